#pragma once
// The host's command line. Free of Windows headers.

#include <optional>
#include <string>
#include <vector>

namespace zandrel::host {

struct CommandLine {
    std::string command;           // info, masks, import, catalog, configure, help
    std::vector<std::string> args; // the command's operands
    std::optional<std::string> dll;
    double progressSeconds = 2.0;
};

// Throws HostError(ExitUsage) with a message that names the mistake.
[[nodiscard]] CommandLine ParseCommandLine(const std::vector<std::string>& argv);

[[nodiscard]] const char* UsageText() noexcept;

} // namespace zandrel::host
