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

class BadCommandLineTable : public ::testing::TestWithParam<BadRow> {};

TEST_P(BadCommandLineTable, RefusedAsUsageError)
{
    try {
        (void)ParseCommandLine(GetParam().argv);
        FAIL() << "accepted";
    } catch (const HostError& error) {
        EXPECT_EQ(error.Code(), ExitUsage);
        EXPECT_NE(std::string(error.what()).find(GetParam().messagePart), std::string::npos)
            << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BadCommandLineTable,
    ::testing::Values(BadRow{"nothing", {}, "no command"},
                      BadRow{"unknown_command", {"frobnicate"}, "unknown command 'frobnicate'"},
                      BadRow{"import_without_folder", {"import"}, "import DIR"},
                      BadRow{"catalog_without_root", {"catalog"}, "catalog ROOT"},
                      BadRow{"extra_operand", {"info", "x"}, "too many operands"},
                      BadRow{"dll_without_path", {"info", "--dll"}, "--dll wants a value"},
                      BadRow{"bad_seconds", {"--progress", "soon", "info"}, "'soon'"},
                      BadRow{"negative_seconds", {"--progress", "-1", "info"}, "'-1'"},
                      BadRow{"unknown_option", {"--verbose", "info"}, "'--verbose'"}),
    [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

} // namespace
} // namespace zandrel::host
