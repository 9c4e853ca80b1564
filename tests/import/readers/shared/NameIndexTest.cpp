// The search of a table of names by their hash, exactly or by a name in any
// case. Pure, the same in every build.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "import/readers/shared/NameIndex.h"

namespace zandrel {
namespace {

using namespace std::string_view_literals;

struct Row {
    char name[5];
    int value;
};

constexpr Row Rows[] = {{"b", 1}, {"br", 2}, {"div", 3}, {"h1", 4}, {"q", 5}, {"Nbsp", 6}};

// Enough short names that many share a slot and the search steps past them,
// and over the last slot to the first.
// clang-format off
constexpr std::string_view Many[] = {
    "a"sv,  "b"sv,  "c"sv,  "d"sv,  "e"sv,  "f"sv,  "g"sv,  "h"sv,  "i"sv,  "j"sv,
    "aa"sv, "ab"sv, "ac"sv, "ad"sv, "ae"sv, "af"sv, "ag"sv, "ah"sv, "ai"sv, "aj"sv,
    "ba"sv, "bb"sv, "bc"sv, "bd"sv, "be"sv, "bf"sv, "bg"sv, "bh"sv, "bi"sv, "bj"sv,
    "h1"sv, "h2"sv, "h3"sv, "h4"sv, "h5"sv, "h6"sv, "td"sv, "th"sv, "tr"sv, "ul"sv,
    "abc"sv, "abd"sv, "tbody"sv, "thead"sv, "tfoot"sv, "table"sv, "title"sv,
    "jf"sv, "os"sv, // both in the last slot, "os" past it
};
// clang-format on

static_assert(NameIndex<Rows>::Longest == 4 && NameIndex<Many>::Longest == 5);

struct FindRow {
    std::u16string_view name;
    int exactly;   // the value of the row Find gives; 0 for none
    int inAnyCase; // of the row FindInAnyCase gives
};

// clang-format off
const FindRow FindRows[] = {
    {u"b"sv, 1, 1},
    {u"BR"sv, 0, 2},
    {u"Div"sv, 0, 3},
    {u"h1"sv, 4, 4},
    {u"q"sv, 5, 5},
    {u"Nbsp"sv, 6, 0},       // a row with a capital: only exactly
    {u"nbsp"sv, 0, 0},
    {u"a"sv, 0, 0},
    {u"bz"sv, 0, 0},
    {u"di"sv, 0, 0},         // a row's start
    {u"divx"sv, 0, 0},
    {u"Nbspx"sv, 0, 0},      // longer than any row
    {u""sv, 0, 0},
    {u"d\u0130v"sv, 0, 0},   // no folding past ASCII
    {u"\u0142"sv, 0, 0},     // whose low byte is 'B'
    {u"h1\0"sv, 0, 0},
    {u"\0"sv, 0, 0},
};
// clang-format on

TEST(NameIndex, FindsTheRowOfANameExactlyOrInAnyCase)
{
    for (const FindRow& row : FindRows) {
        SCOPED_TRACE(std::string(row.name.begin(), row.name.end()));
        std::string bytes;
        bool ascii = true;
        for (const char16_t c : row.name) {
            ascii = ascii && c < 0x80;
            bytes += static_cast<char>(c);
        }
        const Row* const exactly = ascii ? NameIndex<Rows>::Find(bytes) : nullptr;
        const Row* const inAnyCase = NameIndex<Rows>::FindInAnyCase(row.name);
        EXPECT_EQ(exactly == nullptr ? 0 : exactly->value, row.exactly);
        EXPECT_EQ(inAnyCase == nullptr ? 0 : inAnyCase->value, row.inAnyCase);
    }
}

TEST(NameIndex, FindsEveryRowOfAFullTableAndNoNearName)
{
    for (const std::string_view& name : Many) {
        SCOPED_TRACE(std::string(name));
        EXPECT_EQ(NameIndex<Many>::Find(name), &name);
        std::u16string upper;
        for (const char c : name) {
            upper += static_cast<char16_t>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
        }
        EXPECT_EQ(NameIndex<Many>::FindInAnyCase(std::u16string_view(upper)), &name);
        EXPECT_EQ(NameIndex<Many>::Find(std::string(name) + "z"), nullptr);
        EXPECT_EQ(NameIndex<Many>::Find(std::string(name) + '\0'), nullptr);
        EXPECT_EQ(NameIndex<Many>::Find(std::string("z") + std::string(name)), nullptr);
    }
    EXPECT_EQ(NameIndex<Many>::FindInAnyCase("\xC2"sv), nullptr);
    EXPECT_EQ(NameIndex<Many>::Find("ABC"sv), nullptr); // exactly: capitals are other names
}

} // namespace
} // namespace zandrel
