#pragma once
// The two failures raised inside the settings load and save. Neither leaves
// LoadSettings or SaveSettings: each is caught at the end of its operation.

#include <exception>
#include <string>
#include <string_view>

namespace zandrel {

// Message texts; "%s" stands for the value name.
inline constexpr std::string_view InvalidDataTypeText = "Invalid data type for '%s'";
inline constexpr std::string_view FailedToGetDataText = "Failed to get data for '%s'";
inline constexpr std::string_view FailedToSetDataText = "Failed to set data for '%s'";

// A value that cannot be read, has the wrong type, or cannot be written.
class ERegistryException : public std::exception {
public:
    // messageText: one of the three texts above.
    ERegistryException(std::string_view messageText, std::string_view valueName)
        : message_(Formatted(messageText, valueName))
    {
    }
    [[nodiscard]] const char* what() const noexcept override { return message_.c_str(); }

private:
    static std::string Formatted(std::string_view messageText, std::string_view valueName)
    {
        std::string message(messageText);
        if (const auto at = message.find("%s"); at != std::string::npos) {
            message.replace(at, 2, valueName);
        }
        return message;
    }

    std::string message_;
};

// A silent stop: the save found no key to write to. The message is empty.
class EAbort : public std::exception {
public:
    [[nodiscard]] const char* what() const noexcept override { return ""; }
};

} // namespace zandrel
