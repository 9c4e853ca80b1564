#include "CommandLine.h"

#include <cstdlib>

#include "HostError.h"

namespace zandrel::host {
namespace {

struct CommandShape {
    const char* name;
    std::size_t operands;
    const char* operandName;
};

constexpr CommandShape CommandShapes[] = {
    {"info", 0, ""},        {"masks", 0, ""},     {"import", 1, "DIR"},
    {"catalog", 1, "ROOT"}, {"configure", 0, ""}, {"help", 0, ""},
};

double ParseSeconds(const std::string& text)
{
    char* end = nullptr;
    const double seconds = std::strtod(text.c_str(), &end);
    if (text.empty() || end == nullptr || *end != '\0' || !(seconds >= 0.0 && seconds < 1e9)) {
        throw HostError(ExitUsage, "--progress wants a number of seconds, not '" + text + "'");
    }
    return seconds;
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& argv)
{
    CommandLine line;
    std::vector<std::string> words;
    for (std::size_t i = 0; i < argv.size(); ++i) {
        const std::string& arg = argv[i];
        const bool hasValue = i + 1 < argv.size();
        if (arg == "--dll" || arg == "--progress") {
            if (!hasValue) {
                throw HostError(ExitUsage, arg + " wants a value");
            }
            const std::string& value = argv[++i];
            if (arg == "--dll") {
                line.dll = value;
            } else {
                line.progressSeconds = ParseSeconds(value);
            }
        } else if (arg == "-h" || arg == "--help" || arg == "/?") {
            words.insert(words.begin(), "help");
        } else if (arg.size() > 1 && arg[0] == '-') {
            throw HostError(ExitUsage, "unknown option '" + arg + "'");
        } else {
            words.push_back(arg);
        }
    }
    if (words.empty()) {
        throw HostError(ExitUsage, "no command given");
    }
    line.command = words.front();
    line.args.assign(words.begin() + 1, words.end());
    for (const CommandShape& shape : CommandShapes) {
        if (line.command != shape.name) {
            continue;
        }
        if (line.command == "help") {
            line.args.clear();
        } else if (line.args.size() < shape.operands) {
            throw HostError(ExitUsage, line.command + " wants a folder: " + line.command + " " +
                                           shape.operandName);
        } else if (line.args.size() > shape.operands) {
            throw HostError(ExitUsage, "too many operands for " + line.command + ": '" +
                                           line.args[shape.operands] + "'");
        }
        return line;
    }
    throw HostError(ExitUsage, "unknown command '" + line.command + "'");
}

const char* UsageText() noexcept
{
    return "usage: quorbit-host [--dll PATH] [--progress SECONDS] COMMAND\r\n"
           "\r\n"
           "commands:\r\n"
           "  info          the plug-in's module, author and version texts\r\n"
           "  masks         register the plug-in; show its display name and masks\r\n"
           "  import DIR    the description of DIR as one item, from the files below it\r\n"
           "  catalog ROOT  the description of every folder below ROOT\r\n"
           "  configure     open the plug-in's setup dialog; after OK, show the new\r\n"
           "                registration (needs a display)\r\n"
           "\r\n"
           "options:\r\n"
           "  --dll PATH          the plug-in (default: ZandrelPlugin.dll beside this program)\r\n"
           "  --progress SECONDS  catalog: a progress line on standard error every SECONDS\r\n"
           "                      (default 2)\r\n";
}

} // namespace zandrel::host
