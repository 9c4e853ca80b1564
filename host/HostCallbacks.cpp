#include "HostCallbacks.h"

#include <string_view>

#include "FolderListing.h"
#include "SystemCharset.h"

namespace zandrel::host {
namespace {

PathRequest* currentRequest = nullptr;

bool HasDrive(std::string_view name) noexcept
{
    return name.size() >= 2 && (name[1] == ':' || (name[0] == '\\' && name[1] == '\\'));
}

} // namespace

std::vector<Registration>& Registrations() noexcept
{
    static std::vector<Registration> registrations;
    return registrations;
}

std::int32_t ZANDREL_STDCALL RecordRegistration(std::int32_t first, std::int32_t second,
                                                const char* displayName, const char* maskText,
                                                ConfigureDescPluginProc configure) noexcept
{
    try {
        Registration registration;
        registration.first = first;
        registration.second = second;
        registration.displayName = displayName != nullptr ? displayName : "";
        registration.maskText = maskText != nullptr ? maskText : "";
        registration.configure = configure;
        Registrations().push_back(std::move(registration));
        return 1;
    } catch (...) {
        return 0;
    }
}

void SetPathRequest(PathRequest* request) noexcept
{
    currentRequest = request;
}

const char* ZANDREL_STDCALL AnswerResolvePath(const char* name) noexcept
{
    try {
        if (currentRequest == nullptr) {
            return "";
        }
        PathRequest& request = *currentRequest;
        ++request.calls;
        request.chosenName = name != nullptr ? name : "";
        if (request.chosenName.empty()) {
            request.answer.clear();
        } else if (HasDrive(request.chosenName)) {
            request.answer = request.chosenName;
        } else {
            request.answer = JoinPath(request.folder, request.chosenName, SystemCharset());
        }
        return request.answer.c_str();
    } catch (...) {
        return "";
    }
}

} // namespace zandrel::host
