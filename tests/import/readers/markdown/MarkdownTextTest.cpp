// The Markdown reader on its own: the exact text it leaves, lines ended by LF,
// before the normaliser would hide a blank at either end of a line.

#include <gtest/gtest.h>

#include <string>

#include "ShownText.h"
#include "import/readers/markdown/MarkdownText.h"

namespace zandrel {
namespace {

using test::Shown;

struct MarkdownRow {
    const char16_t* markdown;
    const char16_t* text;
};

// clang-format off
// <script>, <style>, <pre> and <textarea> hold no Markdown: their block ends
// with the line that closes them, not at a blank line. A script or a style
// shows nothing; preformatted text shows, without its tags.
const MarkdownRow RawHtmlBlockRows[] = {
    {u"<style>\np { color: red; }\n\nh1 { margin: 0 }\n</style>\n# Title", u"Title"},
    {u"<STYLE type=\"text/css\">\nx\n</Style>\ny", u"y"},
    {u"<script src=\"a.js\"></script>\nText *here*", u"Text here"},
    {u"<script>\nif (a <b && c > d) { e(); }\n\n</script>\n\n*f*", u"f"},
    {u"<script>x</script> after *all*", u" after *all*"},  // the rest of its line is HTML
    {u"a\n<script>\nb\n</script>", u"a\n"},                  // it ends a paragraph
    {u"> <script>\n> var a = 1;\n>\n> </script>\n> b", u"b"},
    {u"<pre>\na  *b*\n\nc &amp; <i>d</i>\n</pre>\n*e*", u"a  *b*\nc & d\ne"},
    {u"<pre class=x>one</pre>\n*two*", u"one\ntwo"},
    {u"<textarea>\nx &lt; y\n</textarea>", u"x < y\n"},
    {u"<pre>never closed\n\n# z", u"never closed\n# z"},
    {u"<script>\n</pre>\nshown", u"shown"},               // any of the four closing tags ends it
    {u"<scripts>\nx\n\n*y*", u"x\ny"},                    // no such element: ends at the blank
    {u"<div>\n<style>\nz\n</style>\n</div>", u"z\n"},        // inside another block it is that block's
};

// A shortcut reference "[label]" is a link where the text defines its label,
// before it or after; else it stays as written.
const MarkdownRow ShortcutReferenceRows[] = {
    {u"See [docs].\n\n[docs]: https://example.org/docs", u"See docs.\n"},
    {u"[docs]: /d\n\nSee [Docs], [DOCS][] and [the docs][docs].", u"See Docs, DOCS and the docs."},
    {u"See [not defined] and [x][].", u"See [not defined] and x."},
    {u"See [a\n  b].\n\n[A B]: /x", u"See a\nb.\n"},
    {u"> [q]\n\n> [q]: /q", u"q\n"},
    {u"# [h]\n| [t] |\n|---|\n\n[h]: /h\n[t]: /t", u"h\n t \n"},
    {u"```\n[x]: /in-code\n```\n[x]", u"[x]: /in-code\n[x]"},           // no definition in code
    {u"Text\n[x]: /y\n\n[x]", u"Text\n[x]: /y\n[x]"},                    // nor in a paragraph
    {u"# T\n[x]: /y\n\n[x]", u"T\nx"},                                  // but below a heading
    {u"    [x]: /y\n\n[x]", u"[x]: /y\n[x]"},
    {u"- [x] done\n- [ ] to do", u"- [x] done\n- [ ] to do"},
    {u"[![b]][l]\n\n[b]: /b.svg", u""},
    // Definitions on either side of the reference, the text before it shrunk
    // over the first one by then.
    {u"**a** *b* `c`\n\n[x]: /x\n\n**d** [x] [y]\n\n[y]: /y", u"a b c\nd x y\n"},
    {u"```\n[x]: /in\n```\n**bold** [x]\n\n[x]: /out", u"[x]: /in\nbold x\n"},
    {u"| **[t]** |\n|---|\n[t]: /t", u" [t] \n[t]: /t"}, // a row of the table, below its delimiter
    {u"*a* [t]\n\n| b |\n|---|\n\n[t]: /t", u"a t\n b \n"},
};

// A backslash at the very end of the text read.
const MarkdownRow TrailingBackslashRows[] = {
    {u"\\", u"\\"},
    {u"a\\\n", u"a\\\n"},
    {u"# a \\", u"a \\"},
    {u"[a](b \"c\\", u"[a](b \"c\\"},
    {u"[a][b\\", u"[a][b\\"},
    {u"`a\\", u"`a\\"},
    {u"| a |\n|---|\n| b \\", u" a \n b \\"},
    {u"[a]: <b\\", u"[a]: <b\\"},
    {u"[a\\", u"[a\\"},
};
// clang-format on

void ExpectRows(const MarkdownRow* rows, std::size_t count)
{
    for (std::size_t k = 0; k < count; ++k) {
        const MarkdownRow& row = rows[k];
        std::u16string text(row.markdown);
        const std::size_t units = text.size();
        const std::u16string sentinels(8, u'\\');
        text += sentinels; // the reader must stop at its count
        const std::size_t length = MarkdownToText(text.data(), units);
        SCOPED_TRACE(testing::Message() << "row " << k);
        ASSERT_LE(length, units);
        EXPECT_EQ(Shown(text.substr(0, length)), Shown(row.text));
        EXPECT_EQ(Shown(text.substr(units)), Shown(sentinels));
    }
}

TEST(MarkdownText, RawTextHtmlBlocksEndAtTheirClosingTag)
{
    ExpectRows(RawHtmlBlockRows, std::size(RawHtmlBlockRows));
}

TEST(MarkdownText, ShortcutReferencesShowTheirTextWhereDefined)
{
    ExpectRows(ShortcutReferenceRows, std::size(ShortcutReferenceRows));
}

TEST(MarkdownText, ATrailingBackslashStaysWithinTheText)
{
    ExpectRows(TrailingBackslashRows, std::size(TrailingBackslashRows));
}

// Past sixty-four definitions a reference stays as written.
TEST(MarkdownText, TheFirstSixtyFourDefinitionsCount)
{
    std::u16string text = u"[d0] [d63] [d64]\n\n";
    for (int k = 0; k <= 64; ++k) {
        const std::string digits = std::to_string(k);
        const std::u16string number(digits.begin(), digits.end());
        text += u"[d" + number + u"]: /" + number + u"\n";
    }
    text.resize(MarkdownToText(text.data(), text.size()));
    EXPECT_EQ(Shown(text), Shown(u"d0 d63 [d64]\n"));
}

} // namespace
} // namespace zandrel
