#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "import/ChooseCandidateName.h"
#include "support/ScopedCodePage.h"

namespace zandrel {
namespace {

struct NameRow {
    const char* name;
    std::vector<std::string> names; // laid end to end, the closing empty name added
    int chosen;                     // index into names; -1: the empty name
};

const NameRow NameRows[] = {
    {"no_separator_first", {"README.TXT", "DOCS\\README.TXT"}, 0},
    {"fewest_separators", {"A\\B\\README.TXT", "E\\NOTES.TXT", "D/E/F.TXT"}, 1},
    {"equal_counts_earlier", {"A\\X.TXT", "B\\Y.TXT"}, 0},
    {"slash_and_backslash_alike", {"A/B/C.TXT", "D\\E.TXT", "F/G.TXT"}, 1},
    {"walk_stops_at_no_separator", {"D\\E\\X.TXT", "F.TXT", "G.TXT"}, 1},
    {"drive_part_wins", {"D:\\TEXT\\README.TXT", "README.TXT"}, 0},
    {"two_byte_drive", {"C:", "X"}, 0},
    {"network_form_wins", {"\\\\SERVER\\SHARE\\A.TXT", "B.TXT"}, 0},
    {"slashes_are_no_network_form", {"//SERVER/A.TXT", "B.TXT"}, 1},
    {"drive_only_counts_first", {"A\\B\\C.TXT", "D:\\X\\Y.TXT", "E\\F.TXT"}, 2},
    {"one_backslash_is_no_drive", {"\\", "A\\B"}, 0},
    {"colon_first_is_no_drive", {":\\A\\B", "C\\D"}, 1},
    // Under code page 932 0x83 0x5C is one character; the name is top-level.
    {"trail_byte_0x5c_is_no_separator", {"DOCS\\README.TXT", "\x83\\\x83t\x83g.TXT"}, 1},
    {"single_name", {"X\\Y\\Z.TXT"}, 0},
    {"empty_list", {}, -1},
};

TEST(ChooseCandidateName, PointsAtTheChosenName)
{
    auto codePage = test::ShiftJis();
    for (const NameRow& row : NameRows) {
        SCOPED_TRACE(row.name);
        std::string list;
        std::vector<std::size_t> offsets;
        for (const std::string& name : row.names) {
            offsets.push_back(list.size());
            list += name;
            list += '\0';
        }
        list += '\0';
        const char* chosen = ChooseCandidateName(list.data());
        const std::size_t expected =
            row.chosen < 0 ? 0 : offsets[static_cast<std::size_t>(row.chosen)];
        EXPECT_EQ(chosen - list.data(), static_cast<std::ptrdiff_t>(expected)) << chosen;
        if (row.chosen < 0) {
            EXPECT_STREQ(chosen, "");
        }
    }
}

} // namespace
} // namespace zandrel
