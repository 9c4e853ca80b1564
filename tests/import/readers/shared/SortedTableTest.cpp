// The search of a table of names in byte order, by a name in any case. Pure,
// the same in every build.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "import/readers/shared/SortedTable.h"

namespace zandrel {
namespace {

using namespace std::string_view_literals;

struct Row {
    char name[5];
    int value;
};

constexpr Row Rows[] = {{"b", 1}, {"br", 2}, {"div", 3}, {"h1", 4}, {"q", 5}};
constexpr std::string_view Names[] = {"a"sv, "abc"sv, "abd"sv};
constexpr std::string_view Twice[] = {"a"sv, "b"sv, "b"sv};
constexpr std::string_view Backwards[] = {"b"sv, "a"sv};

static_assert(InByteOrder(Rows) && InByteOrder(Names));
static_assert(!InByteOrder(Twice) && !InByteOrder(Backwards));
static_assert(LongestName(Rows) == 3 && LongestName(Names) == 3);

struct FindRow {
    std::u16string_view name;
    int value; // of the row found; 0 for none
};

// clang-format off
const FindRow FindRows[] = {
    {u"b"sv, 1},
    {u"BR"sv, 2},
    {u"Div"sv, 3},
    {u"H1"sv, 4},
    {u"q"sv, 5},
    {u"a"sv, 0},           // before the first
    {u"z"sv, 0},           // after the last
    {u"bz"sv, 0},          // between two
    {u"di"sv, 0},          // a row's start
    {u"divx"sv, 0},        // longer than any row
    {u""sv, 0},
    {u"d\u0130v"sv, 0},    // no folding past ASCII
    {u"\u0142"sv, 0},      // whose low byte is 'B'
    {u"h1\0"sv, 0},
};
// clang-format on

TEST(SortedTable, FindsTheRowOfANameInAnyCase)
{
    for (const FindRow& row : FindRows) {
        SCOPED_TRACE(std::string(row.name.begin(), row.name.end()));
        const Row* const found = FindNameInAnyCase<LongestName(Rows)>(Rows, row.name);
        EXPECT_EQ(found == nullptr ? 0 : found->value, row.value);
    }
}

TEST(SortedTable, BytesPastAsciiNameNoRow)
{
    EXPECT_EQ(FindNameInAnyCase<LongestName(Rows)>(Rows, "\xC2"sv), nullptr);
    EXPECT_EQ(FindNameInAnyCase<LongestName(Rows)>(Rows, "bR"sv), &Rows[1]);
    EXPECT_EQ(FindName(Names, "abd"sv), &Names[2]);
    EXPECT_EQ(FindName(Names, "ABD"sv), nullptr); // exactly, in byte order
}

} // namespace
} // namespace zandrel
