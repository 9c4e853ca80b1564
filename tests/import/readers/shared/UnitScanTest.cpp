// The searches of UTF-16 text four units at a time: the first unit searched
// for, or the end, wherever it stands among the words and however long the
// text; units that differ from it only in one byte, or that borrow across
// lanes, are not it.

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "import/readers/shared/UnitScan.h"

namespace zandrel {
namespace {

using namespace std::string_view_literals;

struct FindRow {
    std::u16string_view text;
    char16_t unit;
    std::size_t found; // the offset of the first `unit`; the text's size for none
};

// clang-format off
const FindRow FindRows[] = {
    {u""sv, u'|', 0},
    {u"|"sv, u'|', 0},
    {u"ab|"sv, u'|', 2},
    {u"abc|"sv, u'|', 3},            // the last unit of the first word
    {u"abcd|"sv, u'|', 4},           // the first unit after a word
    {u"abcdefg|"sv, u'|', 7},
    {u"abcdefgh|"sv, u'|', 8},       // in the tail, after two words
    {u"abcdefghi"sv, u'|', 9},       // none
    {u"a|b|"sv, u'|', 1},            // the first of two
    {u"\u017C\u7C00\u7C7C\u007D"sv, u'|', 4},  // '|' in a high byte, or one bit off
    {u"\u017C\u017C\u017C\u017C|"sv, u'|', 4},
    {u"\uFFFF\uFFFF\u0000\u0001"sv, u'\0', 2}, // borrows past a lane
    {u"\u0001\u0000\uFFFF\uFFFF"sv, u'\0', 1},
    {u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"sv, u'\uFFFF', 0},
    {u"\uFFFE\uFFFE\uFFFE\uFFFE\uFFFF"sv, u'\uFFFF', 4},
    {u"\u8000\u8000\u8000\u8000\u0000"sv, u'\0', 4},
    {u"ab|}"sv, u'|', 2},                       // '}' is '|' but one bit: a borrow may mark it too
    {u"abcdefg|}|}|}|}"sv, u'|', 7},
    {u"\u0000\u0001\u0000\u0001"sv, u'\0', 0},
};
// clang-format on

TEST(UnitScan, FindsTheFirstUnitOrTheEnd)
{
    for (const FindRow& row : FindRows) {
        SCOPED_TRACE(std::string(row.text.begin(), row.text.end()));
        const char16_t* const begin = row.text.data();
        const char16_t* const end = begin + row.text.size();
        EXPECT_EQ(FindUnit(begin, end, row.unit) - begin, static_cast<std::ptrdiff_t>(row.found));
    }
}

struct BreakRow {
    std::u16string_view text;
    std::size_t found; // the offset of the first LF or CR; the text's size for none
};

// clang-format off
const BreakRow BreakRows[] = {
    {u""sv, 0},
    {u"\n"sv, 0},
    {u"\r\n"sv, 0},
    {u"abc\r"sv, 3},
    {u"abcd\n"sv, 4},
    {u"\t\t\t\t\t\t\t\tx\n"sv, 9},          // TABs, below 14 too, are passed over
    {u"\v\f\u000B\u000C\u000E\u000F\n"sv, 6}, // VT, FF and the units around CR
    {u"a\u0009b\u000Bc\u000Cd"sv, 7},        // none, the controls aside
    {u"\u010A\u0D0D\u0A0A\u000Da"sv, 3},    // LF and CR only as whole units
    {u"\uFFFF\u0000\u0001\u0002\u000D"sv, 4},
    {u"abcdefghijk"sv, 11},
    {u"abc\n\u000B\r\n"sv, 3},              // LF, one bit off VT, before CR
    {u"abcdefg\r\u000E\n"sv, 7},
};
// clang-format on

TEST(UnitScan, FindsTheFirstLineBreakOrTheEnd)
{
    for (const BreakRow& row : BreakRows) {
        SCOPED_TRACE(std::string(row.text.begin(), row.text.end()));
        const char16_t* const begin = row.text.data();
        const char16_t* const end = begin + row.text.size();
        EXPECT_EQ(FindLineBreak(begin, end) - begin, static_cast<std::ptrdiff_t>(row.found));
    }
}

// Every length up to three words and every place in them, against a search
// one unit at a time; the text past `end` is never looked at.
TEST(UnitScan, AgreesWithASearchUnitByUnitAtEveryPlace)
{
    for (std::size_t length = 0; length <= 12; ++length) {
        for (std::size_t at = 0; at <= length; ++at) {
            std::u16string text(length, u'\u0A7C');
            text += u"|\n|\n"; // past the end: must not be found
            if (at < length) {
                text[at] = at % 2 == 0 ? u'|' : u'\n';
            }
            const char16_t* const begin = text.data();
            const char16_t* const end = begin + length;
            const std::size_t bar = at < length && at % 2 == 0 ? at : length;
            const std::size_t lineBreak = at < length && at % 2 == 1 ? at : length;
            SCOPED_TRACE(testing::Message() << "length " << length << ", at " << at);
            EXPECT_EQ(FindUnit(begin, end, u'|') - begin, static_cast<std::ptrdiff_t>(bar));
            EXPECT_EQ(FindLineBreak(begin, end) - begin, static_cast<std::ptrdiff_t>(lineBreak));
        }
    }
}

} // namespace
} // namespace zandrel
