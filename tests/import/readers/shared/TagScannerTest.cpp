// One tag read from its '<' under a browser's rules and under CommonMark's: its
// name, attributes, end and where a search carries on. Every row is read as
// bytes and as UTF-16 code units alike. Pure, the same in every build.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "import/readers/shared/TagScanner.h"

namespace zandrel {
namespace {

using namespace std::string_view_literals;

constexpr TagRules B = TagRules::Browser;
constexpr TagRules C = TagRules::CommonMark;

constexpr TagEnd Complete = TagEnd::Complete;
constexpr TagEnd CutOff = TagEnd::CutOff;
constexpr TagEnd NotATag = TagEnd::NotATag;

struct ScanRow {
    TagRules rules;
    std::string_view text;
    TagEnd how;
    std::string_view name;
    bool closing;
    // Each attribute given, '|' between: name, name=value, or name="value" for a
    // quoted one (whichever its quote).
    std::string_view attributes;
    std::size_t length; // up to just after its '>', where Complete
    bool selfClosing;   // where Complete
    std::size_t resume; // where a search carries on
};

// clang-format off
const ScanRow ScanRows[] = {
    // A '>' inside quotes is the value's.
    {B, "<a href=\"x>y\">z"sv, Complete, "a"sv, false, "href=\"x>y\""sv, 14, false, 14},
    {C, "<a href=\"x>y\">z"sv, Complete, "a"sv, false, "href=\"x>y\""sv, 14, false, 14},
    {B, "<a title='1 > 0' b>"sv, Complete, "a"sv, false, "title=\"1 > 0\"|b"sv, 19, false, 19},
    {C, "<a title='1 > 0' b>"sv, Complete, "a"sv, false, "title=\"1 > 0\"|b"sv, 19, false, 19},
    {B, "<a b='x\"y'>"sv, Complete, "a"sv, false, "b=\"x\"y\""sv, 11, false, 11},
    {C, "<a b = \"x\" >"sv, Complete, "a"sv, false, "b=\"x\""sv, 12, false, 12},
    // Unquoted values: a browser's end at white space or '>', so a '/' is theirs.
    {B, "<a href=x/>"sv, Complete, "a"sv, false, "href=x/"sv, 11, false, 11},
    {C, "<a href=x/>"sv, Complete, "a"sv, false, "href=x/"sv, 11, false, 11},
    {B, "<a b=`x`>"sv, Complete, "a"sv, false, "b=`x`"sv, 9, false, 9},
    {C, "<a b=`x`>"sv, NotATag, "a"sv, false, ""sv, 0, false, 1},
    {B, "<a b=x'y>"sv, Complete, "a"sv, false, "b=x'y"sv, 9, false, 9},
    {C, "<a b=x'y>"sv, NotATag, "a"sv, false, "b=x"sv, 0, false, 1},
    {B, "<a b=>"sv, Complete, "a"sv, false, "b="sv, 6, false, 6},
    {C, "<a b=>"sv, NotATag, "a"sv, false, ""sv, 0, false, 1},
    // Attributes without values.
    {B, "<input disabled checked>"sv, Complete, "input"sv, false, "disabled|checked"sv, 24, false, 24},
    {C, "<input disabled checked>"sv, Complete, "input"sv, false, "disabled|checked"sv, 24, false, 24},
    {B, "<a b c=d>"sv, Complete, "a"sv, false, "b|c=d"sv, 9, false, 9},
    // Self-closing: a '/' just before the '>', not in a value.
    {B, "<a/>"sv, Complete, "a"sv, false, ""sv, 4, true, 4},
    {C, "<a/>"sv, Complete, "a"sv, false, ""sv, 4, true, 4},
    {B, "<br />"sv, Complete, "br"sv, false, ""sv, 6, true, 6},
    {C, "<br />"sv, Complete, "br"sv, false, ""sv, 6, true, 6},
    {B, "<a b/>"sv, Complete, "a"sv, false, "b"sv, 6, true, 6},
    {C, "<a b/>"sv, Complete, "a"sv, false, "b"sv, 6, true, 6},
    {B, "<a / >"sv, Complete, "a"sv, false, ""sv, 6, false, 6},
    {C, "<a / >"sv, NotATag, "a"sv, false, ""sv, 0, false, 1},
    {B, "<a/b>"sv, Complete, "a"sv, false, "b"sv, 5, false, 5},
    {C, "<a/b>"sv, NotATag, "a"sv, false, ""sv, 0, false, 1},
    // Closing tags: CommonMark's hold nothing but white space.
    {B, "</a>"sv, Complete, "a"sv, true, ""sv, 4, false, 4},
    {C, "</a \n>"sv, Complete, "a"sv, true, ""sv, 6, false, 6},
    {B, "</a x=1>"sv, Complete, "a"sv, true, "x=1"sv, 8, false, 8},
    {C, "</a x=1>"sv, NotATag, "a"sv, true, ""sv, 0, false, 1},
    {C, "</a/>"sv, NotATag, "a"sv, true, ""sv, 0, false, 1},
    // No letter starts the name: no tag.
    {B, "</ x>"sv, NotATag, ""sv, true, ""sv, 0, false, 1},
    {C, "</ x>"sv, NotATag, ""sv, true, ""sv, 0, false, 1},
    {B, "<1>"sv, NotATag, ""sv, false, ""sv, 0, false, 1},
    {C, "<1>"sv, NotATag, ""sv, false, ""sv, 0, false, 1},
    {B, "< a>"sv, NotATag, ""sv, false, ""sv, 0, false, 1},
    // The names each allows.
    {B, "<A HREF=X>"sv, Complete, "A"sv, false, "HREF=X"sv, 10, false, 10},
    {B, "<a\"b c=d>"sv, Complete, "a\"b"sv, false, "c=d"sv, 9, false, 9},
    {C, "<a\"b c=d>"sv, NotATag, "a"sv, false, ""sv, 0, false, 1},
    {B, "<a-1 data-x_y.z:w=1>"sv, Complete, "a-1"sv, false, "data-x_y.z:w=1"sv, 20, false, 20},
    {C, "<a-1 data-x_y.z:w=1>"sv, Complete, "a-1"sv, false, "data-x_y.z:w=1"sv, 20, false, 20},
    {C, "<a _b :c>"sv, Complete, "a"sv, false, "_b|:c"sv, 9, false, 9},
    {B, "<a =x>"sv, Complete, "a"sv, false, "=x"sv, 6, false, 6},
    {C, "<a =x>"sv, NotATag, "a"sv, false, ""sv, 0, false, 1},
    {B, "<a 1b>"sv, Complete, "a"sv, false, "1b"sv, 6, false, 6},
    {C, "<a 1b>"sv, NotATag, "a"sv, false, ""sv, 0, false, 1},
    {C, "<a b='c'd>"sv, NotATag, "a"sv, false, "b=\"c\""sv, 0, false, 1},
    {B, "<a b='c'd>"sv, Complete, "a"sv, false, "b=\"c\"|d"sv, 10, false, 10},
    // Over lines: white space between attributes, a line break in a value.
    {C, "<a\nb=\"x\ny\">"sv, Complete, "a"sv, false, "b=\"x\ny\""sv, 11, false, 11},
    // Cut off in the name, in a quoted value (carrying on at that attribute's
    // name, as the quote may be a stray), after '=', and before the '>'.
    {B, "<"sv, CutOff, ""sv, false, ""sv, 0, false, 1},
    {C, "</"sv, CutOff, ""sv, true, ""sv, 0, false, 2},
    {B, "<ab"sv, CutOff, "ab"sv, false, ""sv, 0, false, 3},
    {C, "<ab"sv, CutOff, "ab"sv, false, ""sv, 0, false, 3},
    {B, "<a x=1 b=\"y>"sv, CutOff, "a"sv, false, "x=1"sv, 0, false, 7},
    {C, "<a x=1 b=\"y>"sv, CutOff, "a"sv, false, "x=1"sv, 0, false, 7},
    {B, "<a b="sv, CutOff, "a"sv, false, "b="sv, 0, false, 5},
    {C, "<a b= "sv, CutOff, "a"sv, false, ""sv, 0, false, 6},
    {B, "<a b=x"sv, CutOff, "a"sv, false, "b=x"sv, 0, false, 6},
    {C, "<a b=x"sv, CutOff, "a"sv, false, "b=x"sv, 0, false, 6},
    {B, "<a b/"sv, CutOff, "a"sv, false, "b"sv, 0, false, 5},
    {C, "<a b/"sv, CutOff, "a"sv, false, "b"sv, 0, false, 5},
    {C, "</a "sv, CutOff, "a"sv, true, ""sv, 0, false, 4},
};
// clang-format on

template <typename Char> std::basic_string<Char> Widen(std::string_view text)
{
    return std::basic_string<Char>(text.begin(), text.end());
}

template <typename Char> std::string Narrow(std::basic_string_view<Char> text)
{
    return std::string(text.begin(), text.end());
}

template <typename Char, TagRules Rules> void CheckScan(const ScanRow& row)
{
    const std::basic_string<Char> text = Widen<Char>(row.text);
    const Char* const at = text.data();
    const Char* const end = at + text.size();
    TagScanner<Char, Rules> tag(at, end);
    EXPECT_EQ(Narrow(tag.Name()), row.name);
    EXPECT_EQ(tag.Closing(), row.closing);
    std::string attributes;
    TagAttribute<Char> attribute;
    attribute.hasValue = true; // a sentinel: a name alone clears it
    while (tag.Next(attribute)) {
        attributes += attributes.empty() ? "" : "|";
        attributes += Narrow(attribute.name);
        EXPECT_EQ(attribute.hasValue || !attribute.value.empty(), attribute.hasValue);
        if (attribute.hasValue) {
            const std::string value = Narrow(attribute.value);
            attributes += attribute.quoted ? "=\"" + value + "\"" : "=" + value;
        }
        for (const Char c : attribute.name) {
            EXPECT_NE(c, Char('>')); // a name never takes the tag's end
        }
    }
    EXPECT_EQ(attributes, row.attributes);
    EXPECT_EQ(tag.State(), row.how);
    EXPECT_FALSE(tag.Next(attribute)); // an ended tag gives nothing more
    EXPECT_EQ(tag.Finish(), row.how);
    if (row.how == TagEnd::Complete) {
        EXPECT_EQ(static_cast<std::size_t>(tag.End() - at), row.length);
        EXPECT_EQ(tag.SelfClosing(), row.selfClosing);
        EXPECT_EQ(at[row.length - 1], Char('>'));
    }
    EXPECT_EQ(static_cast<std::size_t>(tag.ResumeAt() - at), row.resume);
}

TEST(TagScanner, ReadsATagsNameAttributesAndEnd)
{
    for (const ScanRow& row : ScanRows) {
        SCOPED_TRACE(std::string(row.rules == B ? "browser: " : "CommonMark: ") +
                     std::string(row.text));
        if (row.rules == B) {
            CheckScan<char, TagRules::Browser>(row);
            CheckScan<char16_t, TagRules::Browser>(row);
        } else {
            CheckScan<char, TagRules::CommonMark>(row);
            CheckScan<char16_t, TagRules::CommonMark>(row);
        }
    }
}

// The rows' text ends where the tag does; within longer text, a tag's end is
// the same and a cut-off one ends with the text, not at a later '>'.
TEST(TagScanner, EndsAtTheEndGivenNotAtTheTextAfter)
{
    const std::u16string_view text = u"<a b=\"x\"> <c d=\"y>\">"sv;
    const char16_t* const at = text.data();
    TagScanner<char16_t, TagRules::Browser> whole(at, at + text.size());
    EXPECT_EQ(whole.Finish(), TagEnd::Complete);
    EXPECT_EQ(whole.End() - at, 9);
    TagScanner<char16_t, TagRules::Browser> cut(at, at + 6);
    EXPECT_EQ(cut.Finish(), TagEnd::CutOff);
    EXPECT_EQ(cut.ResumeAt() - at, 3);
    const char16_t* const second = at + 10;
    TagScanner<char16_t, TagRules::CommonMark> inner(second, at + text.size() - 1);
    EXPECT_EQ(inner.Finish(), TagEnd::CutOff); // the '>' in quotes is no end
}

} // namespace
} // namespace zandrel
