#include <gtest/gtest.h>

#include <string>

#include "MaskMatch.h"

namespace zandrel::host {
namespace {

// Shift-JIS lead bytes, and the upper case of code page 1252 for its accented letters.
NameCharset ShiftJisCharset()
{
    NameCharset charset = NameCharset::Ascii();
    for (unsigned b = 0x81; b <= 0x9F; ++b) {
        charset.leadByte[b] = true;
    }
    for (unsigned b = 0xE0; b <= 0xFC; ++b) {
        charset.leadByte[b] = true;
    }
    return charset;
}

NameCharset Latin1Charset()
{
    NameCharset charset = NameCharset::Ascii();
    for (unsigned b = 0xE0; b <= 0xFE; ++b) {
        if (b != 0xF7) {
            charset.upper[b] = static_cast<unsigned char>(b - 0x20);
        }
    }
    return charset;
}

enum class Charset { Ascii, Latin1, ShiftJis };

struct MatchRow {
    const char* name; // of the row
    Charset charset;
    const char* mask;
    const char* file;
    bool matches;
};

class MaskMatchTable : public ::testing::TestWithParam<MatchRow> {};

TEST_P(MaskMatchTable, MatchesLikeWindows)
{
    const MatchRow& row = GetParam();
    const NameCharset charset = row.charset == Charset::ShiftJis ? ShiftJisCharset()
                                : row.charset == Charset::Latin1 ? Latin1Charset()
                                                                 : NameCharset::Ascii();
    EXPECT_EQ(MatchesMask(row.mask, row.file, charset), row.matches)
        << "mask '" << row.mask << "', file '" << row.file << "'";
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MaskMatchTable,
    ::testing::Values(
        MatchRow{"exact_name", Charset::Ascii, "README.TXT", "README.TXT", true},
        MatchRow{"case_ignored", Charset::Ascii, "README.TXT", "ReadMe.txt", true},
        MatchRow{"longer_name_is_not_exact", Charset::Ascii, "README.TXT", "README.TXT.BAK", false},
        MatchRow{"prefix_is_not_enough", Charset::Ascii, "README.TXT", "README.TX", false},
        MatchRow{"star_extension", Charset::Ascii, "*.TXT", "notes.txt", true},
        MatchRow{"star_takes_dots", Charset::Ascii, "*.TXT", "a.b.c.txt", true},
        MatchRow{"star_takes_nothing", Charset::Ascii, "*.TXT", ".txt", true},
        MatchRow{"star_wrong_extension", Charset::Ascii, "*.TXT", "notes.txt2", false},
        MatchRow{"star_backtracks", Charset::Ascii, "*A*B", "xAyAzB", true},
        MatchRow{"star_backtracks_and_fails", Charset::Ascii, "*A*B", "xAyAzBc", false},
        MatchRow{"two_stars_in_a_row", Charset::Ascii, "**.TXT", "x.txt", true},
        MatchRow{"question_is_one_char", Charset::Ascii, "FILE?.TXT", "FILE1.TXT", true},
        MatchRow{"question_is_not_zero_chars", Charset::Ascii, "FILE?.TXT", "FILE.TXT", false},
        MatchRow{"question_is_not_two_chars", Charset::Ascii, "FILE?.TXT", "FILE12.TXT", false},
        MatchRow{"star_star_matches_no_dot", Charset::Ascii, "*.*", "LICENSE", true},
        MatchRow{"name_star_matches_no_extension", Charset::Ascii, "README.*", "README", true},
        MatchRow{"star_dot_matches_no_extension", Charset::Ascii, "*.", "README", true},
        MatchRow{"star_dot_refuses_extension", Charset::Ascii, "*.", "README.TXT", false},
        MatchRow{"no_extension_is_not_txt", Charset::Ascii, "*.TXT", "README", false},
        MatchRow{"empty_mask_matches_nothing", Charset::Ascii, "", "README.TXT", false},
        MatchRow{"star_alone", Charset::Ascii, "*", "anything.at.all", true},
        MatchRow{"ascii_does_not_fold_accents", Charset::Ascii, "\xC9T\xC9.TXT", "\xE9t\xE9.txt",
                 false},
        MatchRow{"code_page_folds_accents", Charset::Latin1, "\xC9T\xC9.TXT", "\xE9t\xE9.txt",
                 true},
        // 0x83 0x5C is one character; its trail byte is not a '\' nor an 'a'-like letter.
        MatchRow{"question_takes_a_double_byte_char", Charset::ShiftJis, "?.TXT", "\x83\x5C.TXT",
                 true},
        MatchRow{"single_byte_run_of_two_is_two_chars", Charset::Ascii, "?.TXT", "\x83\x5C.TXT",
                 false},
        MatchRow{"trail_byte_is_not_folded", Charset::ShiftJis, "\x82\x61.TXT", "\x82\x41.TXT",
                 false},
        MatchRow{"double_byte_exact", Charset::ShiftJis, "\x95\x5C*.TXT", "\x95\x5C\x8E\xA6.txt",
                 true},
        // A mask ending in a lead byte alone must not read past its end.
        MatchRow{"lone_lead_byte_at_mask_end", Charset::ShiftJis, "A\x82", "A\x82", true}),
    [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

struct SplitRow {
    const char* name;
    const char* joined;
    std::vector<std::string> masks;
};

class SplitMaskTable : public ::testing::TestWithParam<SplitRow> {};

TEST_P(SplitMaskTable, SplitsTheRegisteredText)
{
    EXPECT_EQ(SplitMaskText(GetParam().joined), GetParam().masks);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, SplitMaskTable,
    ::testing::Values(SplitRow{"defaults", "README.TXT;*.TXT", {"README.TXT", "*.TXT"}},
                      SplitRow{"single", "*.TXT", {"*.TXT"}}, SplitRow{"empty_text", "", {}},
                      SplitRow{"empty_fields_dropped", ";a;;b;", {"a", "b"}},
                      SplitRow{"blanks_cut_at_the_ends", " *.NFO ;\t*.DIZ", {"*.NFO", "*.DIZ"}},
                      SplitRow{"inner_blank_kept", "FILE ID.DIZ", {"FILE ID.DIZ"}}),
    [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

TEST(FirstMatchingMask, EarliestMaskWins)
{
    const std::vector<std::string> masks = {"README.TXT", "*.TXT", "*.DIZ"};
    const NameCharset ascii = NameCharset::Ascii();
    EXPECT_EQ(FirstMatchingMask(masks, "readme.txt", ascii), 0u);
    EXPECT_EQ(FirstMatchingMask(masks, "ABOUT.TXT", ascii), 1u);
    EXPECT_EQ(FirstMatchingMask(masks, "FILE_ID.DIZ", ascii), 2u);
    EXPECT_EQ(FirstMatchingMask(masks, "setup.exe", ascii), std::nullopt);
}

TEST(NameLessIgnoreCase, OrdersByFoldedBytesThenByBytes)
{
    const NameCharset ascii = NameCharset::Ascii();
    EXPECT_TRUE(NameLessIgnoreCase("about.txt", "README.TXT", ascii));
    EXPECT_FALSE(NameLessIgnoreCase("README.TXT", "about.txt", ascii));
    EXPECT_TRUE(NameLessIgnoreCase("DOC", "docs", ascii)); // a prefix first
    // Names that differ only in case still have one fixed order.
    EXPECT_NE(NameLessIgnoreCase("Readme", "README", ascii),
              NameLessIgnoreCase("README", "Readme", ascii));
    EXPECT_FALSE(NameLessIgnoreCase("same", "same", ascii));
}

} // namespace
} // namespace zandrel::host
