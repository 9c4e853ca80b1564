#include <gtest/gtest.h>

#include <cstring>
#include <memory>
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

TEST(MaskListEncoding, WritesTheTextAndReadsItBack)
{
    const EncodeRow rows[] = {
        {"two_bare", false, {"README.TXT", "*.TXT"}, "README.TXT,*.TXT", {"README.TXT", "*.TXT"}},
        {"blank_quotes",
         false,
         {"My Notes.txt", "*.TXT"},
         "\"My Notes.txt\",*.TXT",
         {"My Notes.txt", "*.TXT"}},
        {"quotes_doubled", false, {"say \"hi\".txt"}, "\"say \"\"hi\"\".txt\"", {"say \"hi\".txt"}},
        {"comma_quotes", false, {"a,b.txt"}, "\"a,b.txt\"", {"a,b.txt"}},
        {"lone_quote", false, {"\""}, "\"\"\"\"", {"\""}},
        {"leading_blank",
         false,
         {"x y", " lead.txt"},
         "\"x y\",\" lead.txt\"",
         {"x y", " lead.txt"}},
        {"high_bytes_bare", false, {"\x80\xA5\xFF.txt"}, "\x80\xA5\xFF.txt", {"\x80\xA5\xFF.txt"}},
        {"control_bytes_quote",
         false,
         {"a\tb", "c\x01", "d\re\n"},
         "\"a\tb\",\"c\x01\",\"d\re\n\"",
         {"a\tb", "c\x01", "d\re\n"}},
        {"empty_list", false, {}, "", {}},
        {"one_empty_item", false, {""}, "\"\"", {""}},
        {"empty_first", false, {"", "*.TXT"}, ",*.TXT", {"", "*.TXT"}},
        {"empty_middle", false, {"a", "", "b"}, "a,,b", {"a", "", "b"}},
        {"empty_last_is_lost", false, {"*.TXT", ""}, "*.TXT,", {"*.TXT"}},
        {"two_empty_give_one", false, {"", ""}, ",", {""}},
        {"quoted_empty_among_others", false, {"a b", ""}, "\"a b\",", {"a b"}},
        // Shift-JIS: 0x81 leads a two-byte character; its second byte is never
        // a quote, comma or blank of its own.
        {"trail_quote_bare", true, {"\x81\"x"}, "\x81\"x", {"\x81\"x"}},
        {"trail_comma_bare", true, {"\x81,"}, "\x81,", {"\x81,"}},
        {"trail_blank_bare", true, {"\x81 x", "y"}, "\x81 x,y", {"\x81 x", "y"}},
        {"trail_quote_not_doubled", true, {"a b\x81\""}, "\"a b\x81\"\"", {"a b\x81\""}},
        {"even_lead_run_quote_doubled",
         true,
         {"\x81\x81\"a b"},
         "\"\x81\x81\"\"a b\"",
         {"\x81\x81\"a b"}},
        {"odd_lead_run_quote_is_trail",
         true,
         {"\x81\x81\x81\"a b"},
         "\"\x81\x81\x81\"a b\"",
         {"\x81\x81\x81\"a b"}},
        {"single_byte_page_quotes_it", false, {"\x81\""}, "\"\x81\"\"\"", {"\x81\""}},
    };
    for (const EncodeRow& row : rows) {
        SCOPED_TRACE(row.name);
        const auto codePage = CodePage(row.shiftJis);
        const TStringList list = ListOf(row.list);
        EXPECT_EQ(EncodeMaskList(list), row.text);
        EXPECT_EQ(Decoded(row.text), row.decoded);
        EXPECT_EQ(ItemsOf(list), row.list); // the list is not changed
    }
}

struct DecodeRow {
    const char* name;
    bool shiftJis;
    std::string text;
    Items decoded;
};

TEST(MaskListEncoding, ReadsTextsTheEncoderDoesNotWrite)
{
    const DecodeRow rows[] = {
        {"blanks_around", false, "  README.TXT , *.TXT ", {"README.TXT", "*.TXT"}},
        {"blank_ends_bare_item", false, "a b", {"a", "b"}},
        {"only_comma_separates", false, "a;b", {"a;b"}},
        {"quoted_then_bare", false, "\"a\"b", {"a", "b"}},
        {"quoted_blank_quoted", false, "\"a\" \"b\"", {"a", "b"}},
        {"quoted_with_blanks", false, "\"ab\" , \"p q\"", {"ab", "p q"}},
        {"control_blanks", false, "\t\"x y\"\r\n,q", {"x y", "q"}},
        {"nothing", false, "", {}},
        {"only_blanks", false, " \t\r\n", {}},
        {"two_commas", false, ",,", {"", ""}},
        {"blank_after_comma_skipped", false, "a, ,b", {"a", "", "b"}},
        {"unclosed_runs_to_end", false, "x,\"a b", {"x", "a b"}},
        {"unclosed_collapses_pairs", false, "\"a\"\"b", {"a\"b"}},
        {"unclosed_after_pair", false, "\"a\"\"", {"a\""}},
        {"lone_opening_quote", false, "x,\"", {"x", ""}},
        {"trail_quote_does_not_close", true, "\"\x81\"", {"\x81\""}},
        {"even_lead_run_closes", true, "\"\x81\x81\",z", {"\x81\x81", "z"}},
        {"trail_comma_in_bare", true, "\x81,, b", {"\x81,", "b"}},
        {"lead_before_end", true, "ab\x81", {"ab\x81"}},
        {"single_byte_page_quote_closes", false, "\"\x81\",z", {"\x81", "z"}},
    };
    for (const DecodeRow& row : rows) {
        SCOPED_TRACE(row.name);
        const auto codePage = CodePage(row.shiftJis);
        EXPECT_EQ(Decoded(row.text), row.decoded);
    }
}

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
