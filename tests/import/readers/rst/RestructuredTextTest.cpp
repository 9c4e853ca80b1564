// The reStructuredText reader on whole texts: the exact text it leaves, before
// the normaliser would hide a blank at either end of a line.

#include <gtest/gtest.h>

#include <string>

#include "import/readers/rst/RestructuredText.h"

namespace zandrel {
namespace {

struct RestRow {
    const char16_t* source;
    const char16_t* text; // lines end in LF
};

// clang-format off
const RestRow RestRows[] = {
    // Titles and transitions
    {u"Title\n=====\n\nText.\n", u"Title\nText.\n"},
    {u"=======\n Title\n=======\nText", u"Title\nText"},
    {u"#####\nTitle\n*****\nx", u"Title\nx"},                         // the overline must match the underline
    {u"Tide Tables\n---\n", u"Tide Tables\n---\n"},                   // an underline too short is text
    {u"Tide Tables\n----\n", u"Tide Tables\n"},                       // four and more make a title, as docutils warns
    {u"T\u65E5\u672C\n~~~~~\n", u"T\u65E5\u672C\n"},
    {u"a\n\n----------\n\nb", u"a\nb"},                               // a transition
    {u"a\nb\n----\n", u"a\nb\n----\n"},                               // under a second line: text
    {u"  Indented\n  ========\n", u"Indented\n========\n"},           // a block quote holds no title
    {u"Title\r\n=====\r\nText\r\n", u"Title\nText\n"},
    // Comments, targets, substitution definitions
    {u".. a comment\n   that goes on\n\n   and on\nText", u"Text"},
    {u"..\n   a comment\nText", u"Text"},
    {u"..\n\n   a block quote\n", u"a block quote\n"},                // ".." alone ends at the blank line
    {u".. _install: https://x\n.. __: https://y\n__ https://z\nText", u"Text"},
    {u".. _next:\n    https://x\n\n A quote.\n__ https://y\n\n  B quote.", u"A quote.\nB quote."}, // a target ends at a blank line
    {u".. comment\n\n   still the comment\nText", u"Text"},                                // a comment does not
    {u".. |b| image:: https://b.svg\n   :target: https://c\n\n|b| |b|\nText |b|.", u"Text ."},
    {u".. |p| replace:: Clock\n\nThe |p| app.", u"The Clock app."},
    {u"The |p| app.\n\n.. |p| replace:: Clock\n", u"The Clock app.\n"},
    // Directives
    {u".. image:: logo.png\n   :alt: Logo\n   :width: 200\n\nText", u"Text"},
    {u".. figure:: f.png\n   :alt: x\n\n   The caption.\n\n   The legend.\n\nText", u"The caption.\nText"},
    {u".. raw:: html\n\n   <b>x</b>\n\n.. contents:: Table\n   :depth: 2\n\nText", u"Text"},
    {u".. code-block:: python\n   :linenos:\n\n   def f(*args):\n       return __x__\n\nText",
     u"def f(*args):\nreturn __x__\nText"},
    {u".. note:: This is\n   *a* note.\n\nText", u"This is\na note.\nText"},
    {u".. warning::\n   :class: x\n\n   Careful.\n", u"Careful.\n"},
    {u".. WARNING::\n   Careful.\n", u"Careful.\n"},
    {u".. admonition:: Heads up\n\n   Body.\n", u"Heads up\nBody.\n"},
    {u".. versionadded:: 2.0\n\n   New *here*.\n", u"New here.\n"},  // an unknown directive: its content
    {u".. note::\n   Outer.\n\n   .. code:: sh\n\n      make\n\n   Inner.\nOut", u"Outer.\nmake\nInner.\nOut"},
    // Literal blocks
    {u"Usage::\n\n    run *now*\n\n  more\nText", u"Usage:\nrun *now*\nmore\nText"},
    {u"Example: ::\n\n    x\n", u"Example:\nx\n"},
    {u"::\n\n    x\n", u"x\n"},
    {u"See\n  ``x``::\n\n    y\n", u"See\nx:\ny\n"},
    {u"No block::\nText", u"No block::\nText"},                       // inside a paragraph: text
    {u"No block::\n\nText", u"No block:\nText"},                     // none follows: one colon stays
    {u"\\::\n\n  x\n", u"::\nx\n"},
    {u">>> print(*a)\n... x_\n\nText *b*", u">>> print(*a)\n... x_\nText b"},
    // Lists, fields, line blocks, quotes, definitions
    {u":Author: Ann *Smith*\n:Version: 1.0\n:Date:\n", u"Author: Ann Smith\nVersion: 1.0\nDate:\n"},
    {u":Authors:\n    Ann,\n    Bo\n", u"Authors:\nAnn,\nBo\n"},
    {u"- one *a\n  b*\n- two\n\n  * nested\n", u"- one a\nb\n- two\n* nested\n"},
    {u"* *emphasis* item\n", u"* emphasis item\n"},
    {u"1. one\n#. two\n(c) three\n", u"1. one\n#. two\n(c) three\n"},
    {u"Text\n- not a list\n", u"Text\n- not a list\n"},
    {u"| line one\n|   line *two*\n|\n", u"line one\nline two\n"},
    {u"term\n    definition *x*\n\n  Quoted.\n\n  -- Author\n", u"term\ndefinition x\nQuoted.\n-- Author\n"},
    {u".. [1] A *note*.\n   More.\n\nSee [1]_.", u"[1] A note.\nMore.\nSee [1]."},
    {u".. [1]", u"[1]"},                                              // the text's end right after the label
    // Tables
    {u"+-----+--------+\n| a   | b *c*  |\n+=====+========+\n| 1   | 2      |\n|     | more   |\n+-----+--------+\nText",
     u"a\tb c\n1\t2\nmore\nText"},
    {u"+---+---+\n| a | b |\n+---+   |\n| c |   |\n+---+---+\n", u"a\tb\nc\n"},
    {u"=====  =====\nCol 1  Col 2\n=====  =====\nx      y *z*\n       w\n\n=====  =====\nText",
     u"Col 1\tCol 2\nx\ty z\nw\nText"},
    {u"  ===  ===\n  a    b\n  ===  ===\nEnd", u"a\tb\nEnd"},
    {u"===  ===\nabcdefgh\nab   cd\n===  ===\n", u"abcdefgh\nab\tcd\n"},       // text over a column's start: one cell
    // Look-alikes and bounds
    {u"", u""},
    {u"\n\n  \n", u""},
    {u"+ plus\n+-- not a table\n", u"+ plus\n+-- not a table\n"},
    {u"=====  =====\n\nText", u"=====  =====\nText"},                 // a rule without rows is text
    {u"Title\n=====", u"Title"},
    {u"a\rb\r\nc", u"a\nb\nc"},
};
// clang-format on

std::string Utf8Ish(const std::u16string& text)
{
    std::string out;
    for (const char16_t c : text) {
        out += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return out;
}

TEST(RestructuredText, LeavesTheTextARenderingShows)
{
    for (const RestRow& row : RestRows) {
        std::u16string text(row.source);
        const std::size_t units = text.size();
        const std::u16string sentinels(8, u'#');
        text += sentinels; // the reader must stop at its count
        SCOPED_TRACE(testing::Message()
                     << "row " << (&row - RestRows) << ": " << Utf8Ish(row.source));
        const std::size_t length = RestructuredTextToText(text.data(), units);
        ASSERT_LE(length, units);
        EXPECT_EQ(Utf8Ish(text.substr(0, length)), Utf8Ish(row.text));
        EXPECT_TRUE(text.substr(0, length) == row.text);
        EXPECT_EQ(text.substr(units), sentinels);
    }
}

// Replacements longer than their references, with no room before them: the
// definitions, which show nothing, give theirs; once it is spent, a
// replacement is cut to what the markup dropped before it leaves.
TEST(RestructuredText, AReplacementNeverWritesOverTextNotYetRead)
{
    const std::u16string source =
        u"|a| |a| |a| |a|\nnext *line*\n\n.. |a| replace:: a much longer text\n";
    std::u16string text = source + u"########";
    const std::size_t length = RestructuredTextToText(text.data(), source.size());
    ASSERT_LE(length, source.size());
    const std::u16string shown = text.substr(0, length);
    const std::u16string whole = u"a much longer text";
    EXPECT_EQ(shown.substr(0, 2 * whole.size() + 1), whole + u" " + whole);
    EXPECT_EQ(shown.substr(shown.size() - 11), u"\nnext line\n");
    EXPECT_EQ(text.substr(source.size()), u"########");
}

} // namespace
} // namespace zandrel
