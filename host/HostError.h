#pragma once
// A failure that ends the host: its message goes to standard error and the
// exit code tells the kind.

#include <stdexcept>
#include <string>

namespace zandrel::host {

enum ExitCode : int {
    ExitOk = 0,
    ExitFailure = 1, // the plug-in or a folder cannot be used
    ExitUsage = 2,   // the command line is wrong
};

class HostError : public std::runtime_error {
public:
    HostError(ExitCode code, const std::string& message) : std::runtime_error(message), code_(code)
    {
    }
    [[nodiscard]] ExitCode Code() const noexcept { return code_; }

private:
    ExitCode code_;
};

} // namespace zandrel::host
