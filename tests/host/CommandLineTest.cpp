#include <gtest/gtest.h>

#include <string>

#include "CommandLine.h"
#include "HostError.h"

namespace zandrel::host {
namespace {

TEST(ParseCommandLine, OptionsBeforeOrAfterTheCommand)
{
    const CommandLine line = ParseCommandLine({"catalog", "samples", "--dll", "x.dll"});
    EXPECT_EQ(line.command, "catalog");
    EXPECT_EQ(line.args, std::vector<std::string>{"samples"});
    EXPECT_EQ(line.dll, "x.dll");
    const CommandLine other = ParseCommandLine({"--progress", "0.5", "info"});
    EXPECT_EQ(other.command, "info");
    EXPECT_DOUBLE_EQ(other.progressSeconds, 0.5);
    EXPECT_FALSE(other.dll.has_value());
}

struct BadRow {
    const char* name;
    std::vector<std::string> argv;
    const char* messagePart;
};

TEST(ParseCommandLine, RefusesBadLinesAsUsageErrors)
{
    const BadRow rows[] = {
        {"nothing", {}, "no command"},
        {"unknown_command", {"frobnicate"}, "unknown command 'frobnicate'"},
        {"import_without_folder", {"import"}, "import DIR"},
        {"catalog_without_root", {"catalog"}, "catalog ROOT"},
        {"extra_operand", {"info", "x"}, "too many operands"},
        {"dll_without_path", {"info", "--dll"}, "--dll wants a value"},
        {"bad_seconds", {"--progress", "soon", "info"}, "'soon'"},
        {"negative_seconds", {"--progress", "-1", "info"}, "'-1'"},
        {"unknown_option", {"--verbose", "info"}, "'--verbose'"},
    };
    for (const BadRow& row : rows) {
        SCOPED_TRACE(row.name);
        try {
            (void)ParseCommandLine(row.argv);
            ADD_FAILURE() << "accepted";
        } catch (const HostError& error) {
            EXPECT_EQ(error.Code(), ExitUsage);
            EXPECT_NE(std::string(error.what()).find(row.messagePart), std::string::npos)
                << error.what();
        }
    }
}

} // namespace
} // namespace zandrel::host
