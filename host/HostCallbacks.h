#pragma once
// The two callbacks the host hands to the plug-in. They carry no context
// argument, so what they need and what they record lives here, for the one
// call at a time that the host makes.

#include <cstdint>
#include <string>
#include <vector>

#include "base/HostInterface.h"

namespace zandrel::host {

// One call of the registration callback, copied: the mask text is valid only
// during the call.
struct Registration {
    std::int32_t first = 0;
    std::int32_t second = 0;
    std::string displayName;
    std::string maskText;
    ConfigureDescPluginProc configure = nullptr;
};

// Every registration received so far, oldest first; the last one counts.
[[nodiscard]] std::vector<Registration>& Registrations() noexcept;

std::int32_t ZANDREL_STDCALL RecordRegistration(std::int32_t first, std::int32_t second,
                                                const char* displayName, const char* maskText,
                                                ConfigureDescPluginProc configure) noexcept;

// One import request: the folder of the parent item, and what the path
// callback was asked and answered.
struct PathRequest {
    std::string folder; // full path of the parent item
    int calls = 0;
    std::string chosenName; // the name the plug-in asked for
    std::string answer;     // kept until the next request: the plug-in opens it after the call
};

// The request that AnswerResolvePath serves; set around each import.
void SetPathRequest(PathRequest* request) noexcept;

// The full path of a chosen name: the name itself when it carries a drive,
// otherwise the item's folder joined with it; "" for the empty name.
const char* ZANDREL_STDCALL AnswerResolvePath(const char* name) noexcept;

} // namespace zandrel::host
