#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "plugin/JoinMaskList.h"

namespace zandrel {
namespace {

struct JoinRow {
    std::vector<std::string> masks;
    const char* joined;
};

const JoinRow joinRows[] = {
    {{"README.TXT", "*.TXT"}, "README.TXT;*.TXT"},
    {{"*.TXT"}, "*.TXT"},
    {{}, ""},
    {{"a", "", "b"}, "a;;b"},
    {{"", "a"}, ";a"},
    {{"a", ""}, "a;"},
    {{""}, ""},
    {{"x;y", " z "}, "x;y; z "}, // neither quoted nor trimmed
};

TEST(JoinMaskListTest, EntriesUnchangedBetweenSemicolons)
{
    for (const JoinRow& row : joinRows) {
        TStringList masks;
        for (const auto& mask : row.masks) {
            masks.Add(mask);
        }
        EXPECT_EQ(JoinMaskList(masks), row.joined) << "expected \"" << row.joined << "\"";
    }
}

} // namespace
} // namespace zandrel
