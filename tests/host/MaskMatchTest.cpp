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

TEST(MatchesMask, MatchesLikeWindows)
{
    const MatchRow rows[] = {
        {"exact_name", Charset::Ascii, "README.TXT", "README.TXT", true},
        {"case_ignored", Charset::Ascii, "README.TXT", "ReadMe.txt", true},
        {"longer_name_is_not_exact", Charset::Ascii, "README.TXT", "README.TXT.BAK", false},
        {"prefix_is_not_enough", Charset::Ascii, "README.TXT", "README.TX", false},
        {"star_extension", Charset::Ascii, "*.TXT", "notes.txt", true},
        {"star_takes_dots", Charset::Ascii, "*.TXT", "a.b.c.txt", true},
        {"star_takes_nothing", Charset::Ascii, "*.TXT", ".txt", true},
        {"star_wrong_extension", Charset::Ascii, "*.TXT", "notes.txt2", false},
        {"star_backtracks", Charset::Ascii, "*A*B", "xAyAzB", true},
        {"star_backtracks_and_fails", Charset::Ascii, "*A*B", "xAyAzBc", false},
        {"two_stars_in_a_row", Charset::Ascii, "**.TXT", "x.txt", true},
        {"question_is_one_char", Charset::Ascii, "FILE?.TXT", "FILE1.TXT", true},
        {"question_is_not_zero_chars", Charset::Ascii, "FILE?.TXT", "FILE.TXT", false},
        {"question_is_not_two_chars", Charset::Ascii, "FILE?.TXT", "FILE12.TXT", false},
        {"star_star_matches_no_dot", Charset::Ascii, "*.*", "LICENSE", true},
        {"name_star_matches_no_extension", Charset::Ascii, "README.*", "README", true},
        {"star_dot_matches_no_extension", Charset::Ascii, "*.", "README", true},
        {"star_dot_refuses_extension", Charset::Ascii, "*.", "README.TXT", false},
        {"no_extension_is_not_txt", Charset::Ascii, "*.TXT", "README", false},
        {"empty_mask_matches_nothing", Charset::Ascii, "", "README.TXT", false},
        {"star_alone", Charset::Ascii, "*", "anything.at.all", true},
        {"ascii_does_not_fold_accents", Charset::Ascii, "\xC9T\xC9.TXT", "\xE9t\xE9.txt", false},
        {"code_page_folds_accents", Charset::Latin1, "\xC9T\xC9.TXT", "\xE9t\xE9.txt", true},
        // 0x83 0x5C is one character; its trail byte is not a '\' nor an 'a'-like letter.
        {"question_takes_a_double_byte_char", Charset::ShiftJis, "?.TXT", "\x83\x5C.TXT", true},
        {"single_byte_run_of_two_is_two_chars", Charset::Ascii, "?.TXT", "\x83\x5C.TXT", false},
        {"trail_byte_is_not_folded", Charset::ShiftJis, "\x82\x61.TXT", "\x82\x41.TXT", false},
        {"double_byte_exact", Charset::ShiftJis, "\x95\x5C*.TXT", "\x95\x5C\x8E\xA6.txt", true},
        // A mask ending in a lead byte alone must not read past its end.
        {"lone_lead_byte_at_mask_end", Charset::ShiftJis, "A\x82", "A\x82", true},
    };
    for (const MatchRow& row : rows) {
        SCOPED_TRACE(row.name);
        const NameCharset charset = row.charset == Charset::ShiftJis ? ShiftJisCharset()
                                    : row.charset == Charset::Latin1 ? Latin1Charset()
                                                                     : NameCharset::Ascii();
        EXPECT_EQ(MatchesMask(row.mask, row.file, charset), row.matches)
            << "mask '" << row.mask << "', file '" << row.file << "'";
    }
}

struct SplitRow {
    const char* name;
    const char* joined;
    std::vector<std::string> masks;
};

TEST(SplitMaskText, SplitsTheRegisteredText)
{
    const SplitRow rows[] = {
        {"defaults", "README.TXT;*.TXT", {"README.TXT", "*.TXT"}},
        {"single", "*.TXT", {"*.TXT"}},
        {"empty_text", "", {}},
        {"empty_fields_dropped", ";a;;b;", {"a", "b"}},
        {"blanks_cut_at_the_ends", " *.NFO ;\t*.DIZ", {"*.NFO", "*.DIZ"}},
        {"inner_blank_kept", "FILE ID.DIZ", {"FILE ID.DIZ"}},
    };
    for (const SplitRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(SplitMaskText(row.joined), row.masks);
    }
}

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
