// The HTML inside a Markdown file: what a tag shows, and the bounds of a tag
// at the very end of the text. Pure, the same in every build.

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "import/readers/markdown/MarkdownHtml.h"

namespace zandrel {
namespace {

using namespace std::string_view_literals;

struct ShowsRow {
    std::u16string_view tag;
    char16_t shows;
};

// clang-format off
const ShowsRow ShowsRows[] = {
    {u"<br>"sv, u'\n'},
    {u"<BR/>"sv, u'\n'},
    {u"<br class=\"x\">"sv, u'\n'},
    {u"</br>"sv, u'\n'},
    {u"<q>"sv, u'\u201C'},
    {u"<Q cite=x>"sv, u'\u201C'},
    {u"</q>"sv, u'\u201D'},
    {u"<b>"sv, 0},
    {u"<bra>"sv, 0},
    {u"<qa>"sv, 0},
    {u"<br-x>"sv, 0},
    {u"<"sv, 0},
};
// clang-format on

TEST(MarkdownHtml, ATagShowsALineBreakOrAQuotationMarkOrNothing)
{
    for (const ShowsRow& row : ShowsRows) {
        SCOPED_TRACE(std::to_string(row.tag.size()));
        EXPECT_EQ(HtmlTagShows(row.tag.data(), row.tag.data() + row.tag.size()), row.shows);
    }
}

// A '<' last, or nothing at all, is no tag; the text ends exactly there.
TEST(MarkdownHtml, NoTagAtTheEndOfTheText)
{
    const std::u16string_view text = u"a<"sv;
    const char16_t* const end = text.data() + text.size();
    EXPECT_EQ(HtmlTagLength(end, end), 0u);
    EXPECT_EQ(HtmlTagLength(end - 1, end), 0u);
    EXPECT_EQ(HtmlTagLength(text.data(), end), 0u);
}

// A tag that starts on one line and ends on the next shows what it shows at
// its end; the text after it on the first line is markup.
TEST(MarkdownHtml, BlockTextShowsATagAcrossLines)
{
    std::u16string text = u"a<br\nclass=x>b<q\n>c</q\n>"sv.data();
    HtmlBlockText block;
    char16_t* out = text.data();
    const std::size_t lineEnd = text.find(u'\n');
    out = block.Write(text.data(), text.data() + lineEnd, out);
    EXPECT_FALSE(block.InText());
    const std::size_t second = text.find(u'\n', lineEnd + 1);
    out = block.Write(text.data() + lineEnd + 1, text.data() + second, out);
    out = block.Write(text.data() + second + 1, text.data() + text.size(), out);
    EXPECT_TRUE(block.InText());
    EXPECT_EQ(std::u16string_view(text.data(), static_cast<std::size_t>(out - text.data())),
              u"a\nb\u201Cc\u201D"sv);
}

} // namespace
} // namespace zandrel
