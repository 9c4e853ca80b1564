#include <gtest/gtest.h>

#include <string>

#include "import/DoubleByteRows.h"
#include "import/text/NormaliseDescriptionText.h"
#include "import/text/TrimTrailingWhiteSpace.h"
#include "support/ScopedCodePage.h"
#include "support/SpelledBytes.h"
#include "support/TextPieces.h"

namespace zandrel {
namespace {

using test::NormaliseRow;
using test::OneCharLines;
using test::Spelled;

std::string Normalised(const std::string& source)
{
    NormalisedBuffer result;
    const std::size_t length = NormaliseDescriptionText(source.c_str(), result);
    EXPECT_EQ(result[length], '\0');
    return std::string(result.data(), length);
}

// Plain ASCII rows: the same result whether or not the code page has lead
// bytes, so each runs through both scans.
constexpr NormaliseRow AsciiRows[] = {
    {"both_ends_cut_blank_lines_gone", "SP SP Hello SP SP CR LF CR LF TAB World TAB CR LF",
     "Hello CR LF World"},
    {"every_break_kind_is_one_crlf", "one LF two CR three CR LF four LF CR five",
     "one CR LF two CR LF three CR LF four CR LF five"},
    {"cr_cr_cr_lf_is_one_crlf", "one CR CR CR LF two", "one CR LF two"},
    {"leading_crlf_kept", "CR LF one", "CR LF one"},
    {"leading_run_becomes_one_crlf", "LF LF one", "CR LF one"},
    {"leading_cr_run_becomes_one_crlf", "CR CR CR one", "CR LF one"},
    {"space_line_inside_stays", "one CR LF SP SP SP CR LF two", "one CR LF SP SP SP CR LF two"},
    {"tab_line_inside_stays", "one CR LF TAB CR LF two", "one CR LF TAB CR LF two"},
    {"white_lines_at_end_go", "SP SP SP CR LF one CR LF SP SP CR LF SP SUB", "SP SP SP CR LF one"},
    {"sub_at_end_cut", "two SP words SP SUB SUB", "two SP words"},
    {"sub_inside_stays", "one SUB two SUB CR LF", "one SUB two"},
    {"white_inside_line_stays", "one SP TAB SP two", "one SP TAB SP two"},
    {"trailing_breaks_go", "TAB one SP TAB two SP CR LF CR LF CR LF", "one SP TAB two"},
    {"only_tabs", "TAB TAB", "empty"},
    {"empty", "empty", "empty"},
    {"only_white_and_breaks", "SP TAB SUB CR LF SP LF CR TAB", "empty"},
    {"lone_cr", "CR", "empty"},
    {"lone_cr_between_lines", "one CR two", "one CR LF two"},
    {"lone_lf_between_lines", "one LF two", "one CR LF two"},
    {"ff_vt_are_content", "FF one VT CR LF VT", "FF one VT CR LF VT"},
    {"other_controls_are_content", "0x01 x 0x1F", "0x01 x 0x1F"},
    {"one_char_lines", "a LF b LF c", "a CR LF b CR LF c"},
    {"long_line_both_ends_cut", "SP SP twenty SP bytes SP of SP content SP TAB CR LF next",
     "twenty SP bytes SP of SP content CR LF next"},
};

TEST(NormaliseDescriptionText, AsciiGivesTheSameTextInBothScans)
{
    for (const bool dbcs : {false, true}) {
        test::ScopedCodePage codePage(dbcs, {0x81, 0x9F, 0xE0, 0xFC});
        for (const NormaliseRow& row : AsciiRows) {
            SCOPED_TRACE(std::string(row.name) + (dbcs ? " (double-byte)" : " (single-byte)"));
            EXPECT_EQ(Normalised(Spelled(row.source)), Spelled(row.expected));
        }
    }
}

// Bytes from 128 up with a single-byte code page: every one a character.
constexpr NormaliseRow SingleByteRows[] = {
    {"high_byte_before_cr_breaks", "0x82 CR one", "0x82 CR LF one"},
    {"high_byte_last", "one 0x82", "one 0x82"},
    {"space_after_high_byte_is_cut", "one 0x82 SP", "one 0x82"},
    {"nbsp_is_content", "0xA0 one 0xA0", "0xA0 one 0xA0"},
};

TEST(NormaliseDescriptionText, SingleByteTakesEveryByteAsACharacter)
{
    test::ScopedCodePage codePage;
    for (const NormaliseRow& row : SingleByteRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Normalised(Spelled(row.source)), Spelled(row.expected));
    }
}

TEST(NormaliseDescriptionText, DoubleByteNeverClassifiesATrailByte)
{
    auto codePage = test::ShiftJis();
    for (const NormaliseRow& row : test::DoubleByteNormaliseRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Normalised(Spelled(row.source)), Spelled(row.expected));
    }
}

TEST(NormaliseDescriptionText, WorstCaseOfTheReadLimitFits)
{
    test::ScopedCodePage codePage;
    const std::string source = test::WorstCaseText();
    ASSERT_EQ(source.size(), ReadLimit);
    const std::string result = Normalised(source);
    EXPECT_EQ(result.size(), NormalisedMaximum);
    EXPECT_EQ(result.substr(result.size() - 3), "\r\na");
}

TEST(NormaliseDescriptionText, DoubleByteWorstCaseKeepsTheCrAfterALastLeadByte)
{
    // The trim takes the CR of the last line's CR LF as the lead byte's trail:
    // one byte more than the single-byte worst case.
    auto codePage = test::ShiftJis();
    const std::string result = Normalised(OneCharLines(2048, '\x82'));
    EXPECT_EQ(result.size(), NormalisedMaximum + 1);
    EXPECT_EQ(result.substr(result.size() - 3), "\n\x82\r");
}

TEST(NormaliseDescriptionText, OverlongSourceStopsAtTheBufferEnd)
{
    // Beyond the read limit only whole lines that fit are taken; under the
    // sanitizers an overrun of the fixed buffer would fail here.
    for (const bool dbcs : {false, true}) {
        test::ScopedCodePage codePage(dbcs, {0x81, 0x9F});
        const std::string result = Normalised(OneCharLines(10000, 'a'));
        EXPECT_LE(result.size(), NormalisedBufferSize - 1);
        EXPECT_EQ(result.substr(0, 6), "a\r\na\r\n");
        EXPECT_EQ(result.back(), 'a');
    }
}

struct TrimRow {
    const char* name;
    const char* text;       // spelled
    const char* singleByte; // the backward walk
    const char* doubleByte; // the forward walk with Shift-JIS lead bytes
};

constexpr TrimRow TrimRows[] = {
    {"all_five_white_bytes", "one SP TAB CR LF SUB", "one", "one"},
    {"nothing_to_trim", "one", "one", "one"},
    {"white_inside_stays", "one SP two", "one SP two", "one SP two"},
    {"only_white", "SP TAB LF", "empty", "empty"},
    {"empty", "empty", "empty", "empty"},
    {"space_as_trail_byte", "one 0x82 SP", "one 0x82", "one 0x82 SP"},
    {"cr_as_trail_byte", "0x82 CR LF", "0x82", "0x82 CR"},
    {"lead_byte_last", "one 0x82", "one 0x82", "one 0x82"},
    {"single_high_byte_then_white", "0xA0 SP", "0xA0", "0xA0"},
};

TEST(TrimTrailingWhiteSpace, BothFormsAndTheChoiceByCodePage)
{
    for (const TrimRow& row : TrimRows) {
        SCOPED_TRACE(row.name);
        auto codePage = test::ShiftJis(); // the forward walk steps with these lead bytes
        const std::string text = Spelled(row.text);

        std::string single = text;
        single.resize(TrimTrailingWhiteSpaceSingleByte(single.data(), single.size()));
        EXPECT_EQ(single, Spelled(row.singleByte));

        std::string forward = text;
        forward.resize(TrimTrailingWhiteSpaceDoubleByte(forward.data()));
        EXPECT_EQ(forward, Spelled(row.doubleByte));

        std::string chosen = text;
        chosen.resize(TrimTrailingWhiteSpace(chosen.data(), chosen.size()));
        EXPECT_EQ(chosen, forward) << "DbcsEnabled picks the forward walk";
        {
            test::ScopedCodePage singleByte;
            chosen = text;
            chosen.resize(TrimTrailingWhiteSpace(chosen.data(), chosen.size()));
            EXPECT_EQ(chosen, single) << "a single-byte code page picks the backward walk";
        }
    }
}

} // namespace
} // namespace zandrel
