// quorbit-host: loads a description plug-in the way Quorbit does and runs it
// over folders on disk, so that its work can be seen and tested.

#include <windows.h>

#include <exception>
#include <string>
#include <vector>

#include "CommandLine.h"
#include "Commands.h"
#include "ConsoleText.h"
#include "HostError.h"
#include "PluginLibrary.h"

using namespace zandrel::host;

namespace {

int Run(const std::vector<std::string>& argv)
{
    const CommandLine line = ParseCommandLine(argv);
    if (line.command == "help") {
        WriteOut(UsageText());
        return ExitOk;
    }
    PluginLibrary plugin(line.dll.value_or(DefaultPluginPath()));
    if (line.command == "info") {
        return RunInfo(plugin);
    }
    if (line.command == "masks") {
        return RunMasks(plugin);
    }
    if (line.command == "import") {
        return RunImport(plugin, line.args[0]);
    }
    if (line.command == "catalog") {
        return RunCatalog(plugin, line.args[0], line.progressSeconds);
    }
    return RunConfigure(plugin);
}

} // namespace

int main(int argc, char** argv)
{
    // A plug-in that fails to load is reported here, not in a message box.
    ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const HostError& error) {
        WriteErr(std::string("quorbit-host: ") + error.what() + "\r\n");
        if (error.Code() == ExitUsage) {
            WriteErr(UsageText());
        }
        return error.Code();
    } catch (const std::exception& error) {
        WriteErr(std::string("quorbit-host: ") + error.what() + "\r\n");
        return ExitFailure;
    }
}
