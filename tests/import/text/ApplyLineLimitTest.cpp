#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "import/text/ApplyLineLimit.h"
#include "import/DoubleByteRows.h"
#include "support/ScopedCodePage.h"
#include "support/SpelledBytes.h"

namespace zandrel {
namespace {

using test::LineLimitRow;
using test::Spelled;

std::string Limited(const LineLimitRow& row)
{
    std::string text = Spelled(row.text);
    text += '\0'; // a sentinel after the zero: the cut must not get there
    text += '#';
    ApplyLineLimit(text.data(), row.lines);
    EXPECT_EQ(text.back(), '#');
    return std::string(text.c_str());
}

constexpr LineLimitRow SingleByteRows[] = {
    {"crlf_first_of_three", "one CR LF two CR LF three", 1, "one CR LF"},
    {"crlf_two_of_three", "one CR LF two CR LF three", 2, "one CR LF two CR LF"},
    {"crlf_all_three", "one CR LF two CR LF three", 3, "one CR LF two CR LF three"},
    {"more_than_there_are", "one CR LF two", 5, "one CR LF two"},
    {"crlf_lf_is_one_end", "one CR LF LF two", 1, "one CR LF LF"},
    {"lf_lf_is_two_ends", "one LF LF two", 1, "one LF"},
    {"lf_cr_cr_is_one_end", "one LF CR CR LF two", 1, "one LF CR CR"},
    {"cr_cr_is_two_ends", "one CR CR two", 1, "one CR"},
    {"lf_cr_is_one_end", "one LF CR two LF CR three", 2, "one LF CR two LF CR"},
    {"empty_first_line_counts", "CR LF one", 1, "CR LF"},
    {"empty_lines_count", "one CR LF CR LF CR LF two", 3, "one CR LF CR LF CR LF"},
    {"last_line_without_break_counts", "one CR LF two", 2, "one CR LF two"},
    {"break_at_end_cut_is_noop", "one CR LF", 1, "one CR LF"},
    {"empty_text", "empty", 3, "empty"},
    {"zero_keeps_nothing", "one", 0, "empty"},
    {"negative_keeps_nothing", "one CR LF two", -1, "empty"},
    {"most_negative_keeps_nothing", "one", INT_MIN, "empty"},
    {"largest_keeps_all", "one LF two", INT_MAX, "one LF two"},
    {"lead_byte_value_is_one_byte", "0x82 CR one CR two", 1, "0x82 CR"},
};

TEST(ApplyLineLimit, KeepsTheFirstLinesWithTheirBreaks)
{
    test::ScopedCodePage codePage;
    for (const LineLimitRow& row : SingleByteRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Limited(row), Spelled(row.expected));
    }
}

TEST(ApplyLineLimit, StepsOverTrailBytes)
{
    auto codePage = test::ShiftJis();
    for (const LineLimitRow& row : test::DoubleByteLineLimitRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Limited(row), Spelled(row.expected));
    }
}

} // namespace
} // namespace zandrel
