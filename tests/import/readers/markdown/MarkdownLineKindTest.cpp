// What the Markdown reader takes a line for, given the blocks open before it:
// each row a line (and the line below, where it matters), the blocks open, and
// the analysis written out as "Kind fields @next 'content'".

#include <gtest/gtest.h>

#include <string>

#include "ShownText.h"
#include "import/readers/markdown/MarkdownLineKind.h"

namespace zandrel::markdown {
namespace {

enum class Open { Nothing, Paragraph, QuotedParagraph, Table, ListItem, ListParagraph };

LineContext ContextOf(Open open)
{
    switch (open) {
    case Open::Nothing:
        return {};
    case Open::Paragraph:
        return {true, 0, false, 0};
    case Open::QuotedParagraph:
        return {true, 1, false, 0};
    case Open::Table:
        return {false, 0, true, 0};
    case Open::ListItem: // "- " before: its text at column 2
        return {false, 0, false, 2};
    case Open::ListParagraph:
        return {true, 0, false, 2};
    }
    return {};
}

const char* KindName(LineKind kind)
{
    switch (kind) {
    case LineKind::Blank:
        return "Blank";
    case LineKind::IndentedCode:
        return "IndentedCode";
    case LineKind::Fence:
        return "Fence";
    case LineKind::Heading:
        return "Heading";
    case LineKind::SetextUnderline:
        return "SetextUnderline";
    case LineKind::ThematicBreak:
        return "ThematicBreak";
    case LineKind::HtmlBlockStart:
        return "HtmlBlockStart";
    case LineKind::ReferenceDefinition:
        return "ReferenceDefinition";
    case LineKind::ListItem:
        return "ListItem";
    case LineKind::TableHeader:
        return "TableHeader";
    case LineKind::TableRow:
        return "TableRow";
    case LineKind::ParagraphText:
        return "ParagraphText";
    }
    return "?";
}

const char* HtmlName(const LineAnalysis& a)
{
    switch (a.rawText) {
    case RawTextElement::Script:
        return "script";
    case RawTextElement::Style:
        return "style";
    case RawTextElement::Pre:
        return "pre";
    case RawTextElement::Textarea:
        return "textarea";
    case RawTextElement::None:
        break;
    }
    switch (a.htmlKind) {
    case HtmlBlockKind::EndsAtBlankLine:
        return "to-blank";
    case HtmlBlockKind::EndsWithMarkup:
        return "to-markup-end";
    case HtmlBlockKind::None:
        break;
    }
    return "none";
}

// The kind, the fields that belong to it, where the next line starts and what
// the line shows.
std::u16string Describe(const LineAnalysis& a, const char16_t* text)
{
    std::string fields = KindName(a.kind);
    if (a.quoteDepth > 0) {
        fields += " >" + std::to_string(a.quoteDepth);
    }
    switch (a.kind) {
    case LineKind::Heading:
        fields += " " + std::to_string(a.headingLevel);
        break;
    case LineKind::Fence:
        fields += " " + std::string(a.fenceLength, static_cast<char>(a.fenceMark));
        break;
    case LineKind::HtmlBlockStart:
        fields += std::string(" ") + HtmlName(a);
        break;
    case LineKind::ListItem:
        fields += " " + std::to_string(a.listMarkerLength);
        break;
    default:
        break;
    }
    fields += " @" + std::to_string(a.next - text) + " '";
    std::u16string described(fields.begin(), fields.end());
    described.append(a.content, a.contentEnd);
    return described + u"'";
}

struct LineRow {
    Open open;
    const char16_t* text;
    const char16_t* analysis;
};

// clang-format off
const LineRow LineRows[] = {
    {Open::Nothing,         u"",                     u"Blank @0 ''"},
    {Open::Nothing,         u" \t \nx",              u"Blank @4 ''"},
    {Open::Nothing,         u"> \t",                 u"Blank >1 @3 ''"},
    {Open::Nothing,         u"    code  ",           u"IndentedCode @10 'code  '"},
    {Open::Nothing,         u"\t  code",             u"IndentedCode @7 '  code'"},    // a tab to column 4
    {Open::Nothing,         u"   code",              u"ParagraphText @7 'code'"},     // three columns: no code
    {Open::Paragraph,       u"    more",             u"ParagraphText @8 'more'"},     // a paragraph goes on
    {Open::ListItem,        u"      code",           u"IndentedCode @10 'code'"},     // four past the item's text
    {Open::ListItem,        u"    text",             u"ParagraphText @8 'text'"},
    {Open::ListItem,        u"    - nested",         u"ListItem 2 @12 'nested'"},
    {Open::Nothing,         u">     code",           u"IndentedCode >1 @10 'code'"},
    {Open::Nothing,         u"> > a\nb",             u"ParagraphText >2 @6 'a'"},
    {Open::Nothing,         u"# a",                  u"Heading 1 @3 'a'"},
    {Open::Nothing,         u"   ###### a ###  ",    u"Heading 6 @17 'a'"},
    {Open::Nothing,         u"## a# \r\nb",          u"Heading 2 @8 'a#'"},
    {Open::Nothing,         u"#",                    u"Heading 1 @1 ''"},
    {Open::Nothing,         u"#5 bolt",              u"ParagraphText @7 '#5 bolt'"},
    {Open::Nothing,         u"####### a",            u"ParagraphText @9 '####### a'"},
    {Open::Nothing,         u"    # a",              u"IndentedCode @7 '# a'"},
    {Open::Paragraph,       u"===",                  u"SetextUnderline @3 '==='"},
    {Open::Nothing,         u"===",                  u"ParagraphText @3 '==='"},      // alone it is text
    {Open::Paragraph,       u"--- ",                 u"SetextUnderline @4 '--- '"},
    {Open::Nothing,         u"---",                  u"ThematicBreak @3 '---'"},
    {Open::Paragraph,       u"- - -",                u"ThematicBreak @5 '- - -'"},
    {Open::Paragraph,       u"==",                   u"SetextUnderline @2 '=='"},
    {Open::Paragraph,       u"= =",                  u"ParagraphText @3 '= ='"},
    {Open::QuotedParagraph, u"> ---",                u"SetextUnderline >1 @5 '---'"},
    {Open::Paragraph,       u"> ---",                u"ThematicBreak >1 @5 '---'"},   // the quote ends the paragraph
    {Open::Nothing,         u"***",                  u"ThematicBreak @3 '***'"},
    {Open::Nothing,         u" * * * ",              u"ThematicBreak @7 '* * * '"},
    {Open::Nothing,         u"_\t_ _",               u"ThematicBreak @5 '_\t_ _'"},
    {Open::Nothing,         u"**x**",                u"ParagraphText @5 '**x**'"},
    {Open::Nothing,         u"*-*",                  u"ParagraphText @3 '*-*'"},
    {Open::Nothing,         u"**",                   u"ParagraphText @2 '**'"},
    {Open::Nothing,         u"```",                  u"Fence ``` @3 '```'"},
    {Open::Paragraph,       u"~~~~ text",            u"Fence ~~~~ @9 '~~~~ text'"},
    {Open::Nothing,         u"``` js `x`",           u"ParagraphText @10 '``` js `x`'"}, // a code span
    {Open::Nothing,         u"~~~ a`b",              u"Fence ~~~ @7 '~~~ a`b'"},
    {Open::Nothing,         u"``",                   u"ParagraphText @2 '``'"},
    {Open::Nothing,         u"    ```",              u"IndentedCode @7 '```'"},
    {Open::Nothing,         u"> ```c",               u"Fence >1 ``` @6 '```c'"},
    {Open::Nothing,         u"<div class=\"x\">",    u"HtmlBlockStart to-blank @15 '<div class=\"x\">'"},
    {Open::Paragraph,       u"</DIV>",               u"HtmlBlockStart to-blank @6 '</DIV>'"},
    {Open::Nothing,         u"<divider>",            u"HtmlBlockStart to-blank @9 '<divider>'"}, // a tag alone
    {Open::Paragraph,       u"<divider>",            u"ParagraphText @9 '<divider>'"},
    {Open::Nothing,         u"<span> a",             u"ParagraphText @8 '<span> a'"},
    {Open::Nothing,         u"<!-- note",            u"HtmlBlockStart to-markup-end @9 '<!-- note'"},
    {Open::Nothing,         u"<?php",                u"HtmlBlockStart to-markup-end @5 '<?php'"},
    {Open::Nothing,         u"<!DOCTYPE html>",      u"HtmlBlockStart to-markup-end @15 '<!DOCTYPE html>'"},
    {Open::Nothing,         u"<script>",             u"HtmlBlockStart script @8 '<script>'"},
    {Open::Paragraph,       u"<script src=x>",       u"HtmlBlockStart script @14 '<script src=x>'"},
    {Open::Nothing,         u"<STYLE\ttype=text/css>", u"HtmlBlockStart style @21 '<STYLE\ttype=text/css>'"},
    {Open::Nothing,         u"<pre",                 u"HtmlBlockStart pre @4 '<pre'"},
    {Open::Nothing,         u"<Textarea>x",          u"HtmlBlockStart textarea @11 '<Textarea>x'"},
    {Open::Nothing,         u"<scripts>",            u"HtmlBlockStart to-blank @9 '<scripts>'"}, // no such element
    {Open::Nothing,         u"<pre/>",               u"HtmlBlockStart to-blank @6 '<pre/>'"},
    {Open::Nothing,         u"<prefix a",            u"ParagraphText @9 '<prefix a'"},
    {Open::Nothing,         u"[a]: /url",            u"ReferenceDefinition @9 '[a]: /url'"},
    {Open::Nothing,         u"[a b]: <x y> 'T'  ",   u"ReferenceDefinition @18 '[a b]: <x y> 'T'  '"},
    {Open::Paragraph,       u"[a]: /url",            u"ParagraphText @9 '[a]: /url'"}, // no definition in a paragraph
    {Open::Table,           u"[a]: /url",            u"TableRow @9 '[a]: /url'"},
    {Open::Nothing,         u"[a]: /url 't' x",      u"ParagraphText @15 '[a]: /url 't' x'"},
    {Open::Nothing,         u"[a]:",                 u"ParagraphText @4 '[a]:'"},
    {Open::Nothing,         u"[ ]: /url",            u"ParagraphText @9 '[ ]: /url'"},
    {Open::Nothing,         u"[a]:/url'x'",          u"ReferenceDefinition @11 '[a]:/url'x''"}, // the quotes are the destination's
    {Open::Nothing,         u"- a",                  u"ListItem 2 @3 'a'"},
    {Open::Nothing,         u"* a",                  u"ListItem 2 @3 'a'"},
    {Open::Nothing,         u"+\t\ta",               u"ListItem 2 @4 'a'"},
    {Open::Nothing,         u"12) a",                u"ListItem 4 @5 'a'"},
    {Open::Nothing,         u"1.",                   u"ListItem 2 @2 ''"},
    {Open::Nothing,         u"-",                    u"ListItem 1 @1 ''"},
    {Open::Nothing,         u"-x",                   u"ParagraphText @2 '-x'"},
    {Open::Nothing,         u"1234567890. a",        u"ParagraphText @13 '1234567890. a'"}, // nine digits at most
    {Open::Nothing,         u"3.14 pi",              u"ParagraphText @7 '3.14 pi'"},
    {Open::Nothing,         u"a | b\n--- | ---\nc",  u"TableHeader @16 'a | b'"},   // its delimiter row read too
    {Open::Nothing,         u"| a |\r\n|:-:|",       u"TableHeader @12 '| a |'"},
    {Open::Paragraph,       u"a | b\n|---|",         u"TableHeader @11 'a | b'"},
    {Open::Nothing,         u"a | b\n> |---|",       u"TableHeader @13 'a | b'"},
    {Open::Nothing,         u"a | b\nc | d",         u"ParagraphText @6 'a | b'"},
    {Open::Nothing,         u"a | b\n    |---|",     u"ParagraphText @6 'a | b'"},
    {Open::Nothing,         u"a b\n---|---",         u"ParagraphText @4 'a b'"},   // the row needs a pipe
    {Open::Nothing,         u"a | b",                u"ParagraphText @5 'a | b'"},
    {Open::Nothing,         u"a | b\n--- x",         u"ParagraphText @6 'a | b'"},
    {Open::Table,           u"c | d",                u"TableRow @5 'c | d'"},
    {Open::Table,           u"c",                    u"TableRow @1 'c'"},
    {Open::Table,           u"      c",              u"IndentedCode @7 '  c'"},    // code ends the table
    {Open::Table,           u"# c",                  u"Heading 1 @3 'c'"},
    {Open::Table,           u"- c",                  u"ListItem 2 @3 'c'"},
};
// clang-format on

TEST(MarkdownLineKind, TellsEachLineByItsStartAndTheBlocksOpen)
{
    for (const LineRow& row : LineRows) {
        const std::u16string text(row.text);
        const LineAnalysis a =
            AnalyseLine(text.data(), text.data() + text.size(), ContextOf(row.open));
        SCOPED_TRACE(testing::Message() << "row " << (&row - LineRows));
        EXPECT_EQ(test::Shown(Describe(a, text.data())), test::Shown(row.analysis));
        EXPECT_TRUE(a.line.begin == text.data() && a.line.end <= a.line.next);
        EXPECT_TRUE(a.content >= a.line.begin && a.content <= a.contentEnd &&
                    a.contentEnd <= a.line.end);
    }
}

} // namespace
} // namespace zandrel::markdown
