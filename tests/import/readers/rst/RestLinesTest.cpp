// What the reStructuredText reader tells from one line: adornments, table
// borders, explicit markup, field and list markers.

#include <gtest/gtest.h>

#include <string>

#include "import/readers/rst/RestLines.h"

namespace zandrel::rst {
namespace {

std::string Narrow(const std::u16string& text)
{
    return std::string(text.begin(), text.end());
}

struct AdornmentRow {
    const char16_t* line;
    std::size_t length; // 0: no adornment
    char16_t mark;
};

const AdornmentRow AdornmentRows[] = {
    {u"=====", 5, u'='},
    {u"-", 1, u'-'},
    {u"~~~~  \t", 4, u'~'}, // blanks may follow
    {u"#*#*", 0, 0},        // one character throughout
    {u"== ==", 0, 0},
    {u"aaaa", 0, 0},                     // letters are no adornment
    {u"\u2014\u2014\u2014\u2014", 0, 0}, // nor signs past ASCII
    {u"", 0, 0},
    {u"````", 4, u'`'},
};

TEST(RestLines, AdornmentIsOnePunctuationCharacterRepeated)
{
    for (const AdornmentRow& row : AdornmentRows) {
        const std::u16string line(row.line);
        SCOPED_TRACE(Narrow(line));
        char16_t mark = u'#';
        EXPECT_EQ(AdornmentLength(line.data(), line.data() + line.size(), mark), row.length);
        EXPECT_EQ(mark, row.length == 0 ? u'#' : row.mark);
    }
}

TEST(RestLines, WideLettersTakeTwoColumns)
{
    const std::u16string title = u"T\u65E5\u672C\u00E9";
    EXPECT_EQ(TextColumns(title.data(), title.data() + title.size()), 6u);
    const std::u16string pair = u"\U0001F600";
    EXPECT_EQ(TextColumns(pair.data(), pair.data() + pair.size()), 1u);
}

struct TableRuleRow {
    const char16_t* line;
    bool grid;      // else a simple table's rule
    bool dashesToo; // a simple table's inner rule
    std::size_t count;
    std::size_t columns[4];
};

const TableRuleRow TableRuleRows[] = {
    {u"+---+----+", true, false, 3, {0, 4, 9}},
    {u"+===+====+  ", true, false, 3, {0, 4, 9}},
    {u"+--+", true, false, 2, {0, 3}},
    {u"+-----", true, false, 0, {}}, // no closing '+'
    {u"++", true, false, 0, {}},
    {u"+--++--+", true, false, 0, {}},
    {u"+--+ x", true, false, 0, {}},
    {u"+ + +", true, false, 0, {}},
    {u"=====  ====== ==", false, false, 3, {0, 7, 14}},
    {u"=====", false, false, 0, {}}, // one run: a transition or an adornment
    {u"====  ----", false, false, 0, {}},
    {u"-----  ----", false, true, 2, {0, 7}},
    {u"=====", false, true, 1, {0}},
    {u"== x ==", false, true, 0, {}},
};

TEST(RestLines, TableRulesGiveTheirColumns)
{
    for (const TableRuleRow& row : TableRuleRows) {
        const std::u16string line(row.line);
        SCOPED_TRACE(Narrow(line));
        std::size_t columns[MostTableColumns];
        std::fill(std::begin(columns), std::end(columns), 99u);
        const std::size_t count =
            row.grid
                ? GridTableBorder(line.data(), line.data() + line.size(), columns)
                : SimpleTableRule(line.data(), line.data() + line.size(), row.dashesToo, columns);
        ASSERT_EQ(count, row.count);
        for (std::size_t k = 0; k < count; ++k) {
            EXPECT_EQ(columns[k], row.columns[k]) << "column " << k;
        }
    }
}

TEST(RestLines, TableColumnsBeyondTheBoundStayInTheLast)
{
    std::u16string line = u"+";
    for (std::size_t k = 0; k < MostTableColumns + 5; ++k) {
        line += u"-+";
    }
    std::size_t columns[MostTableColumns + 1];
    columns[MostTableColumns] = 99;
    EXPECT_EQ(GridTableBorder(line.data(), line.data() + line.size(), columns), MostTableColumns);
    EXPECT_EQ(columns[MostTableColumns], 99u);
}

struct ExplicitRow {
    const char16_t* line;
    ExplicitMarkup markup;
    const char16_t* name;      // a directive's or a substitution's
    const char16_t* directive; // a substitution's
    const char16_t* text;      // what follows the marker
};

const ExplicitRow ExplicitRows[] = {
    {u"..", ExplicitMarkup::EmptyComment, u"", u"", u""},
    {u"..   ", ExplicitMarkup::EmptyComment, u"", u"", u""},
    {u".. a comment", ExplicitMarkup::Comment, u"", u"", u"a comment"},
    {u"...", ExplicitMarkup::None, u"", u"", u""},
    {u"..x", ExplicitMarkup::None, u"", u"", u""},
    {u".. _install: https://example.org/install", ExplicitMarkup::Target, u"", u"", u""},
    {u".. __: https://example.org", ExplicitMarkup::Target, u"", u"", u""},
    {u".. _ not a target", ExplicitMarkup::Comment, u"", u"", u"_ not a target"},
    {u".. |build| image:: https://ci/badge.svg", ExplicitMarkup::Substitution, u"build", u"image",
     u"https://ci/badge.svg"},
    {u".. |Py 3| replace:: Python 3", ExplicitMarkup::Substitution, u"Py 3", u"replace",
     u"Python 3"},
    {u".. | x| image:: y", ExplicitMarkup::Comment, u"", u"", u"| x| image:: y"},
    {u".. |x| not a directive", ExplicitMarkup::Comment, u"", u"", u"|x| not a directive"},
    {u".. [1] The first note.", ExplicitMarkup::Footnote, u"[1]", u"", u"The first note."},
    {u".. [#] Auto.", ExplicitMarkup::Footnote, u"[#]", u"", u"Auto."},
    {u".. [#note]", ExplicitMarkup::Footnote, u"[#note]", u"", u""},
    {u".. [CIT2002] A citation.", ExplicitMarkup::Footnote, u"[CIT2002]", u"", u"A citation."},
    {u".. [not a label] x", ExplicitMarkup::Comment, u"", u"", u"[not a label] x"},
    {u".. image:: logo.png", ExplicitMarkup::Directive, u"image", u"", u"logo.png"},
    {u".. code-block:: python", ExplicitMarkup::Directive, u"code-block", u"", u"python"},
    {u".. note::", ExplicitMarkup::Directive, u"note", u"", u""},
    {u".. py:function:: spam(eggs)", ExplicitMarkup::Directive, u"py:function", u"", u"spam(eggs)"},
    {u".. note ::  Text", ExplicitMarkup::Directive, u"note", u"", u"Text"},
    {u".. note:: ", ExplicitMarkup::Directive, u"note", u"", u""},
    {u".. note::x", ExplicitMarkup::Comment, u"", u"", u"note::x"},
    {u".. see: this", ExplicitMarkup::Comment, u"", u"", u"see: this"},
};

std::u16string Part(const char16_t* begin, const char16_t* end)
{
    return begin == nullptr ? std::u16string() : std::u16string(begin, end);
}

TEST(RestLines, ExplicitMarkupTellsItsKindAndParts)
{
    for (const ExplicitRow& row : ExplicitRows) {
        const std::u16string line(row.line);
        SCOPED_TRACE(Narrow(line));
        const char16_t* const end = line.data() + line.size();
        const ExplicitLine markup = ReadExplicitLine(line.data(), end);
        EXPECT_EQ(markup.markup, row.markup);
        if (row.markup == ExplicitMarkup::None) {
            continue;
        }
        EXPECT_EQ(Narrow(Part(markup.nameBegin, markup.nameEnd)), Narrow(row.name));
        EXPECT_EQ(Narrow(Part(markup.directiveBegin, markup.directiveEnd)), Narrow(row.directive));
        if (row.markup != ExplicitMarkup::Target) {
            std::u16string text(markup.text, end);
            text.erase(text.find_last_not_of(u' ') + 1);
            EXPECT_EQ(Narrow(text), Narrow(row.text));
        }
    }
}

struct MarkerRow {
    const char16_t* line;
    std::size_t field; // a field marker's length, 0: none
    std::size_t name;  // where its closing colon stands
    std::size_t list;  // a list marker's length, 0: none
};

const MarkerRow MarkerRows[] = {
    {u":Author: Ann", 9, 7, 0},
    {u":Version:", 9, 8, 0},
    {u":a\\: b: c", 8, 6, 0},    // an escaped colon belongs to the name
    {u":ref:`x` here", 0, 0, 0}, // a role
    {u": x: y", 0, 0, 0},
    {u":x :y", 0, 0, 0},
    {u"::", 0, 0, 0},
    {u":x:y", 0, 0, 0},
    {u"- item", 0, 0, 2},
    {u"*   item", 0, 0, 4},
    {u"+", 0, 0, 1},
    {u"\u2022 item", 0, 0, 2},
    {u"-item", 0, 0, 0},
    {u"*emphasis* here", 0, 0, 0},
    {u"--verbose  Say more", 0, 0, 0},
    {u"1. one", 0, 0, 3},
    {u"12) twelve", 0, 0, 4},
    {u"(a) first", 0, 0, 4},
    {u"iv. fourth", 0, 0, 4},
    {u"#. auto", 0, 0, 3},
    {u"A. Name", 0, 0, 3},
    {u"ab. x", 0, 0, 0}, // two letters are no numeral
    {u"1.5 is a number", 0, 0, 0},
    {u"(1 x", 0, 0, 0},
    {u"1234567890. x", 0, 0, 0}, // too long
};

TEST(RestLines, FieldAndListMarkers)
{
    for (const MarkerRow& row : MarkerRows) {
        const std::u16string line(row.line);
        SCOPED_TRACE(Narrow(line));
        const char16_t* const end = line.data() + line.size();
        const char16_t* nameEnd = nullptr;
        EXPECT_EQ(FieldMarkerLength(line.data(), end, nameEnd), row.field);
        if (row.field != 0) {
            EXPECT_EQ(nameEnd, line.data() + row.name);
        } else {
            EXPECT_EQ(nameEnd, nullptr);
        }
        EXPECT_EQ(ListMarkerLength(line.data(), end), row.list);
    }
}

struct NameRow {
    const char16_t* text;
    std::size_t length;
};

const NameRow NameRows[] = {
    {u"word rest", 4}, {u"snake_case_name_", 15},     {u"py:func:`x`", 7}, {u"a--b", 1}, {u"_x", 0},
    {u"v2.0.", 4},     {u"caf\u00E9-cr\u00E8me", 10}, {u"x\u2014y", 1},
};

TEST(RestLines, ReferenceNamesAreWordsWithSingleSeparators)
{
    for (const NameRow& row : NameRows) {
        const std::u16string text(row.text);
        SCOPED_TRACE(Narrow(text));
        EXPECT_EQ(SimpleNameEnd(text.data(), text.data() + text.size()), text.data() + row.length);
    }
}

TEST(RestLines, LineBlockAndDoctestLines)
{
    const std::u16string yes[] = {u"| text", u"|", u">>> 1 + 1", u">>>"};
    const std::u16string no[] = {u"|x|", u"||", u">>>x", u">> x"};
    for (const std::u16string& line : yes) {
        EXPECT_TRUE(IsLineBlockLine(line.data(), line.data() + line.size()) ||
                    IsDoctestLine(line.data(), line.data() + line.size()))
            << Narrow(line);
    }
    for (const std::u16string& line : no) {
        EXPECT_FALSE(IsLineBlockLine(line.data(), line.data() + line.size()) ||
                     IsDoctestLine(line.data(), line.data() + line.size()))
            << Narrow(line);
    }
    const std::u16string anonymous[] = {u"__ https://x", u"__"};
    for (const std::u16string& line : anonymous) {
        EXPECT_TRUE(IsAnonymousTarget(line.data(), line.data() + line.size())) << Narrow(line);
    }
    const std::u16string init = u"__init__.py";
    EXPECT_FALSE(IsAnonymousTarget(init.data(), init.data() + init.size()));
}

} // namespace
} // namespace zandrel::rst
