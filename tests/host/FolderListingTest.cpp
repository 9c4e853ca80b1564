#include <gtest/gtest.h>

#include <string>

#include "FolderListing.h"

namespace zandrel::host {
namespace {

using namespace std::string_literals;

// A walk over: README.TXT, ABOUT.TXT (mask 1) and DOCS\README.TXT, DOCS\X\NOTES.TXT.
FolderListing SampleListing()
{
    FolderListing listing;
    listing.files = {{"item\\ABOUT.TXT", 1},
                     {"item\\README.TXT", 0},
                     {"item\\DOCS\\README.TXT", 0},
                     {"item\\DOCS\\X\\NOTES.TXT", 1},
                     {"other\\A.TXT", 1}};
    listing.folders = {
        {"", 0, 5}, {"item", 0, 4}, {"item\\DOCS", 2, 4}, {"item\\DOCS\\X", 3, 4}, {"other", 4, 5}};
    return listing;
}

TEST(ItemCandidateNames, RelativeToTheItemAndEarlierMasksFirst)
{
    const FolderListing listing = SampleListing();
    EXPECT_EQ(ItemCandidateNames(listing, listing.folders[1]),
              (std::vector<std::string>{"README.TXT", "DOCS\\README.TXT", "ABOUT.TXT",
                                        "DOCS\\X\\NOTES.TXT"}));
    EXPECT_EQ(ItemCandidateNames(listing, listing.folders[2]),
              (std::vector<std::string>{"README.TXT", "X\\NOTES.TXT"}));
    EXPECT_EQ(ItemCandidateNames(listing, listing.folders[4]), (std::vector<std::string>{"A.TXT"}));
    // The root's names keep their full relative paths.
    EXPECT_EQ(ItemCandidateNames(listing, listing.folders[0]).back(), "other\\A.TXT");
}

TEST(BuildNameList, NamesEndToEndClosedByAnEmptyName)
{
    EXPECT_EQ(BuildNameList({"README.TXT", "DOCS\\README.TXT"}),
              "README.TXT\0DOCS\\README.TXT\0\0"s);
    EXPECT_EQ(BuildNameList({}), "\0"s);
}

struct JoinRow {
    const char* name;
    bool shiftJis;
    const char* folder;
    const char* file;
    const char* joined;
};

TEST(JoinPath, OneSeparatorBetween)
{
    // clang-format off
    const JoinRow rows[] = {
        {"plain", false, "C:\\items", "A.TXT", "C:\\items\\A.TXT"},
        {"drive_root", false, "C:\\", "A.TXT", "C:\\A.TXT"},
        {"empty_folder", false, "", "A.TXT", "A.TXT"},
        {"empty_name", false, "C:\\items", "", "C:\\items"},
        // 0x83 0x5C is one character: its 0x5C is no separator.
        {"trail_byte_5c", true, "C:\\\x83\x5C", "A.TXT", "C:\\\x83\x5C\\A.TXT"},
        {"same_bytes_single_byte", false, "C:\\\x83\x5C", "A.TXT", "C:\\\x83\x5C" "A.TXT"},
    };
    // clang-format on
    for (const JoinRow& row : rows) {
        SCOPED_TRACE(row.name);
        NameCharset charset = NameCharset::Ascii();
        if (row.shiftJis) {
            for (unsigned b = 0x81; b <= 0x9F; ++b) {
                charset.leadByte[b] = true;
            }
        }
        EXPECT_EQ(JoinPath(row.folder, row.file, charset), row.joined);
    }
}

} // namespace
} // namespace zandrel::host
