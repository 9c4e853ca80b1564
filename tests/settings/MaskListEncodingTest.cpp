#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "settings/MaskListEncoding.h"
#include "support/ScopedCodePage.h"

namespace zandrel {
namespace {

using Items = std::vector<std::string>;

TStringList ListOf(const Items& items)
{
    TStringList list;
    for (const std::string& item : items) {
        list.Add(item);
    }
    return list;
}

Items ItemsOf(const TStringList& list)
{
    return Items(list.begin(), list.end());
}

// Decodes from a heap block exactly as long as the text and its zero, so that
// the sanitizer build catches any read past the end.
Items Decoded(const std::string& text)
{
    const auto block = std::make_unique<char[]>(text.size() + 1);
    std::memcpy(block.get(), text.c_str(), text.size() + 1);
    TStringList list;
    list.Add("left over"); // decoding starts by clearing the list
    DecodeMaskList(block.get(), list);
    return ItemsOf(list);
}

test::ScopedCodePage CodePage(bool shiftJis)
{
    return shiftJis ? test::ShiftJis() : test::ScopedCodePage();
}

struct EncodeRow {
    const char* name;
    bool shiftJis;
    Items list;
    std::string text;
    Items decoded;
};

void PrintTo(const EncodeRow& row, std::ostream* out)
{
    *out << row.name;
}

class EncodeTable : public ::testing::TestWithParam<EncodeRow> {};

TEST_P(EncodeTable, WritesTheTextAndReadsItBack)
{
    const EncodeRow& row = GetParam();
    const auto codePage = CodePage(row.shiftJis);
    const TStringList list = ListOf(row.list);
    EXPECT_EQ(EncodeMaskList(list), row.text);
    EXPECT_EQ(Decoded(row.text), row.decoded);
    EXPECT_EQ(ItemsOf(list), row.list); // the list is not changed
}

INSTANTIATE_TEST_SUITE_P(
    Rows, EncodeTable,
    ::testing::Values(
        EncodeRow{"two_bare",
                  false,
                  {"README.TXT", "*.TXT"},
                  "README.TXT,*.TXT",
                  {"README.TXT", "*.TXT"}},
        EncodeRow{"blank_quotes",
                  false,
                  {"My Notes.txt", "*.TXT"},
                  "\"My Notes.txt\",*.TXT",
                  {"My Notes.txt", "*.TXT"}},
        EncodeRow{"quotes_doubled",
                  false,
                  {"say \"hi\".txt"},
                  "\"say \"\"hi\"\".txt\"",
                  {"say \"hi\".txt"}},
        EncodeRow{"comma_quotes", false, {"a,b.txt"}, "\"a,b.txt\"", {"a,b.txt"}},
        EncodeRow{"lone_quote", false, {"\""}, "\"\"\"\"", {"\""}},
        EncodeRow{"leading_blank",
                  false,
                  {"x y", " lead.txt"},
                  "\"x y\",\" lead.txt\"",
                  {"x y", " lead.txt"}},
        EncodeRow{"high_bytes_bare",
                  false,
                  {"\x80\xA5\xFF.txt"},
                  "\x80\xA5\xFF.txt",
                  {"\x80\xA5\xFF.txt"}},
        EncodeRow{"control_bytes_quote",
                  false,
                  {"a\tb", "c\x01", "d\re\n"},
                  "\"a\tb\",\"c\x01\",\"d\re\n\"",
                  {"a\tb", "c\x01", "d\re\n"}},
        EncodeRow{"empty_list", false, {}, "", {}},
        EncodeRow{"one_empty_item", false, {""}, "\"\"", {""}},
        EncodeRow{"empty_first", false, {"", "*.TXT"}, ",*.TXT", {"", "*.TXT"}},
        EncodeRow{"empty_middle", false, {"a", "", "b"}, "a,,b", {"a", "", "b"}},
        EncodeRow{"empty_last_is_lost", false, {"*.TXT", ""}, "*.TXT,", {"*.TXT"}},
        EncodeRow{"two_empty_give_one", false, {"", ""}, ",", {""}},
        EncodeRow{"quoted_empty_among_others", false, {"a b", ""}, "\"a b\",", {"a b"}},
        // Shift-JIS: 0x81 leads a two-byte character; its second byte is never
        // a quote, comma or blank of its own.
        EncodeRow{"trail_quote_bare", true, {"\x81\"x"}, "\x81\"x", {"\x81\"x"}},
        EncodeRow{"trail_comma_bare", true, {"\x81,"}, "\x81,", {"\x81,"}},
        EncodeRow{"trail_blank_bare", true, {"\x81 x", "y"}, "\x81 x,y", {"\x81 x", "y"}},
        EncodeRow{"trail_quote_not_doubled", true, {"a b\x81\""}, "\"a b\x81\"\"", {"a b\x81\""}},
        EncodeRow{"even_lead_run_quote_doubled",
                  true,
                  {"\x81\x81\"a b"},
                  "\"\x81\x81\"\"a b\"",
                  {"\x81\x81\"a b"}},
        EncodeRow{"odd_lead_run_quote_is_trail",
                  true,
                  {"\x81\x81\x81\"a b"},
                  "\"\x81\x81\x81\"a b\"",
                  {"\x81\x81\x81\"a b"}},
        EncodeRow{"single_byte_page_quotes_it", false, {"\x81\""}, "\"\x81\"\"\"", {"\x81\""}}),
    [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

struct DecodeRow {
    const char* name;
    bool shiftJis;
    std::string text;
    Items decoded;
};

void PrintTo(const DecodeRow& row, std::ostream* out)
{
    *out << row.name;
}

class DecodeTable : public ::testing::TestWithParam<DecodeRow> {};

TEST_P(DecodeTable, ReadsTextsTheEncoderDoesNotWrite)
{
    const DecodeRow& row = GetParam();
    const auto codePage = CodePage(row.shiftJis);
    EXPECT_EQ(Decoded(row.text), row.decoded);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, DecodeTable,
    ::testing::Values(
        DecodeRow{"blanks_around", false, "  README.TXT , *.TXT ", {"README.TXT", "*.TXT"}},
        DecodeRow{"blank_ends_bare_item", false, "a b", {"a", "b"}},
        DecodeRow{"only_comma_separates", false, "a;b", {"a;b"}},
        DecodeRow{"quoted_then_bare", false, "\"a\"b", {"a", "b"}},
        DecodeRow{"quoted_blank_quoted", false, "\"a\" \"b\"", {"a", "b"}},
        DecodeRow{"quoted_with_blanks", false, "\"ab\" , \"p q\"", {"ab", "p q"}},
        DecodeRow{"control_blanks", false, "\t\"x y\"\r\n,q", {"x y", "q"}},
        DecodeRow{"nothing", false, "", {}}, DecodeRow{"only_blanks", false, " \t\r\n", {}},
        DecodeRow{"two_commas", false, ",,", {"", ""}},
        DecodeRow{"blank_after_comma_skipped", false, "a, ,b", {"a", "", "b"}},
        DecodeRow{"unclosed_runs_to_end", false, "x,\"a b", {"x", "a b"}},
        DecodeRow{"unclosed_collapses_pairs", false, "\"a\"\"b", {"a\"b"}},
        DecodeRow{"unclosed_after_pair", false, "\"a\"\"", {"a\""}},
        DecodeRow{"lone_opening_quote", false, "x,\"", {"x", ""}},
        DecodeRow{"trail_quote_does_not_close", true, "\"\x81\"", {"\x81\""}},
        DecodeRow{"even_lead_run_closes", true, "\"\x81\x81\",z", {"\x81\x81", "z"}},
        DecodeRow{"trail_comma_in_bare", true, "\x81,, b", {"\x81,", "b"}},
        DecodeRow{"lead_before_end", true, "ab\x81", {"ab\x81"}},
        DecodeRow{"single_byte_page_quote_closes", false, "\"\x81\",z", {"\x81", "z"}}),
    [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

// Random lists from a small alphabet of characters, among them the blank,
// quote and comma on their own and as the second byte of a double-byte
// character: every list comes back, except that a list of two or more items
// loses a final empty item.
void CheckRoundTrips(std::uint32_t seed)
{
    static const char* const alphabet[] = {"a",        " ",      "\"",    ",",     "\t",
                                           "\x81\x40", "\x81\"", "\x81,", "\x81 ", "\x81\x81"};
    std::mt19937 random(seed);
    auto pick = [&](int bound) {
        return static_cast<int>(random() % static_cast<unsigned>(bound));
    };
    for (int round = 0; round < 20000; ++round) {
        Items items(static_cast<std::size_t>(pick(5)));
        for (std::string& item : items) {
            for (int n = pick(5); n > 0; --n) {
                item += alphabet[pick(static_cast<int>(std::size(alphabet)))];
            }
        }
        const std::string text = EncodeMaskList(ListOf(items));
        Items expected = items;
        if (expected.size() >= 2 && expected.back().empty()) {
            expected.pop_back();
        }
        ASSERT_EQ(Decoded(text), expected) << "text: " << text;
    }
}

TEST(MaskListRoundTrip, ShiftJisListsComeBack)
{
    const auto codePage = test::ShiftJis();
    CheckRoundTrips(1);
}

TEST(MaskListRoundTrip, SingleByteListsComeBack)
{
    const test::ScopedCodePage codePage;
    CheckRoundTrips(2);
}

} // namespace
} // namespace zandrel
