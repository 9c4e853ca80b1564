// The inline markup of one reStructuredText block: what each construct shows,
// and the look-alikes that docutils' recognition rules leave as written.

#include <gtest/gtest.h>

#include <string>

#include "import/readers/rst/RestInline.h"
#include "import/readers/rst/RestSubstitutions.h"

namespace zandrel {
namespace {

struct InlineRow {
    const char16_t* block;
    const char16_t* text;
};

// clang-format off
const InlineRow InlineRows[] = {
    {u"**strong** *emphasis* ``literal`` `interpreted`", u"strong emphasis literal interpreted"},
    {u"2 * 3 * 4 and 2*3*4", u"2 * 3 * 4 and 2*3*4"},             // no start after a letter, none before a blank
    {u"snake_case_name and __init__ and _private", u"snake_case_name and __init__ and _private"},
    {u"*args and **kwargs", u"*args and **kwargs"},                 // a start without an end
    {u"f(*args, **kwargs)", u"f(*args, **kwargs)"},
    {u"a *b * c* d", u"a b * c d"},                                 // no end after a blank
    {u"\"*\" and (*) and <*> and '*'", u"\"*\" and (*) and <*> and '*'"},
    {u"(*x*) \"**y**\" -*z*-", u"(x) \"y\" -z-"},
    {u"*x*y* and *x*.", u"x*y and x."},                             // an end needs a following blank or sign
    {u"x*y*", u"x*y*"},
    {u"*multi\nline*", u"multi\nline"},                             // the break stays
    {u"``*not emphasis* \\n``", u"*not emphasis* \\n"},            // literals keep their backslashes
    {u"````", u"````"},
    {u"`` x``", u"`` x``"},
    {u"\\*escaped\\* \\\\ \\`x\\`", u"*escaped* \\ `x`"},
    {u"H\\ :sub:`2`\\ O", u"H2O"},                                  // escaped blanks show nothing
    {u"end \\", u"end "},                                         // escapes nothing
    {u"a\\\nb", u"a\nb"},
    {u":ref:`Installing <install>` and :doc:`usage` and :py:func:`spam`", u"Installing and usage and spam"},
    {u"`text`:role: and :role:`<only-target>`", u"text and only-target"},
    {u"`words <https://x.org/>`_ and `more words <https://y>`__", u"words and more words"},
    {u"`<https://z.org/>`_", u"https://z.org/"},
    {u"`Name`_ and `Other Name`__ here", u"Name and Other Name here"},
    {u"`title <not a link>` stays", u"title <not a link> stays"},   // no role nor reference: as written
    {u"see name_, other__ and end_.", u"see name, other and end."},
    {u"foo_bar_ and a.b_ (x_)", u"foo_bar and a.b (x)"},
    {u"name_x and name__x", u"name_x and name__x"},
    {u"a*b_ a.b_ a..b_ a--b_", u"a*b_ a.b a..b_ a--b"},            // a name starts after an opener; two separators end it
    {u"x\u65E5_ \u65E5\u672C_ \u2014a_ \u00A0b_ \u00E9.c_", u"x\u65E5 \u65E5\u672C \u2014a \u00A0b \u00E9.c"},
    {u"\u00BFa_ \u00B4a_ #a_", u"\u00BFa \u00B4a #a_"},        // wide punctuation opens, a sign past it is a letter, '#' does not open
    {u"\\a_ x\\ y_ *e*f_", u"a_ xy *e*f_"},               // an escaped letter, a markup's end: no name's start
    {u"[1]_ [#]_ [#note]_ [*]_ [CIT2002]_.", u"[1] [#] [#note] [*] [CIT2002]."},
    {u"[1] and [x y]_ and a[1]_", u"[1] and [x y]_ and a[1]_"},
    {u"_`inline target` here", u"inline target here"},
    {u"|undefined| and |image|_ vanish", u" and  vanish"},
    {u"a | b | c and |x |", u"a | b | c and |x |"},
    {u"caf\u00E9 *cr\u00E8me* \u00AB*x*\u00BB \u201C*y*\u201D", u"caf\u00E9 cr\u00E8me \u00ABx\u00BB \u201Cy\u201D"},
    {u"\u00AB*\u00BB and \u201C*\u201D", u"\u00AB*\u00BB and \u201C*\u201D"},
    {u"\u2014*dash*\u2014", u"\u2014dash\u2014"},
    {u"*", u"*"},
    {u"**", u"**"},
    {u"`", u"`"},
    {u"``a``b`` c", u"a``b c"},                                   // the first end followed by a blank
    {u"***x***", u"*x*"},
};
// clang-format on

TEST(RestInline, ShowsTheTextOfTheMarkupOnly)
{
    for (const InlineRow& row : InlineRows) {
        std::u16string text(row.block);
        const std::size_t units = text.size();
        const std::u16string sentinels(8, u'#');
        text += sentinels; // the reader must stop at its count
        SCOPED_TRACE(testing::Message() << "row " << (&row - InlineRows));
        const std::size_t length = RestInlineToText(text.data(), units, 0, nullptr);
        ASSERT_LE(length, units);
        EXPECT_TRUE(text.substr(0, length) == row.text);
        EXPECT_EQ(text.substr(units), sentinels);
    }
}

// A replace definition's text shows for its reference: whole where the room
// holds it, else cut to the room; the room is never passed.
struct SubstitutionRow {
    const char16_t* block;
    std::size_t room;
    const char16_t* text;
};

const SubstitutionRow SubstitutionRows[] = {
    {u"Install |project|.", 4, u"Install Harbour Clock."},
    {u"Install |project|.", 0, u"Install Harbour C."},
    {u"|p|", 0, u"Har"}, // three units of room: its own
    {u"|p|", 4, u"Harbour"},
    {u"|p| and |p|", 2, u"Harbo and Har"},
    {u"|P|_ and |Project|", 0, u"Harb and Harbour C"}, // the case of letters is a last resort
    {u"|version| is ``|project|``", 0, u"2.1 is |project|"},
    {u"|link|", 30, u"the site"}, // markup in the definition is read
    {u"|empty|x", 0, u"|empty|x"},
};

TEST(RestInline, SubstitutionsShowTheirReplacementInTheRoomThereIs)
{
    const std::u16string definitions = u".. |project| replace:: Harbour Clock\n"
                                       u"   .. |p| replace::  Harbour  \r\n"
                                       u".. |version| replace:: 2.1\n"
                                       u".. |link| replace:: `the site <https://x>`_\n"
                                       u".. |empty| replace::\n"
                                       u".. |image| image:: badge.svg\n";
    RestSubstitutions substitutions;
    substitutions.Collect(definitions.data(), definitions.size());
    EXPECT_EQ(substitutions.Count(), 5u);
    for (const SubstitutionRow& row : SubstitutionRows) {
        std::u16string text(row.block);
        const std::size_t units = text.size();
        const std::u16string sentinels(8, u'#');
        text += std::u16string(row.room, u'.') + sentinels;
        SCOPED_TRACE(testing::Message() << "row " << (&row - SubstitutionRows));
        const std::size_t length = RestInlineToText(text.data(), units, row.room, &substitutions);
        ASSERT_LE(length, units + row.room);
        EXPECT_TRUE(text.substr(0, length) == row.text);
        EXPECT_EQ(text.substr(units + row.room), sentinels);
    }
}

TEST(RestInline, SubstitutionDefinitionsBeyondTheBoundsAreLeftOut)
{
    std::u16string definitions;
    for (std::size_t k = 0; k < RestSubstitutions::MostDefinitions + 3; ++k) {
        definitions +=
            u".. |n" + std::u16string(1, static_cast<char16_t>(u'A' + k)) + u"| replace:: v\n";
    }
    definitions +=
        u".. |" + std::u16string(RestSubstitutions::LongestName + 1, u'x') + u"| replace:: long\n";
    RestSubstitutions substitutions;
    substitutions.Collect(definitions.data(), definitions.size());
    EXPECT_EQ(substitutions.Count(), RestSubstitutions::MostDefinitions);

    std::u16string pool(RestSubstitutions::PoolUnits, u'y');
    const std::u16string big = u".. |big| replace:: " + pool + u"\n.. |small| replace:: s\n";
    substitutions.Collect(big.data(), big.size());
    EXPECT_EQ(substitutions.Count(), 1u); // the first does not fit, the second does
    const char16_t* text = nullptr;
    std::size_t length = 99;
    const std::u16string small = u"small";
    ASSERT_TRUE(substitutions.Find(small.data(), small.size(), text, length));
    EXPECT_EQ(std::u16string(text, length), u"s");
}

// Markup starts without an end, one after another: each search for an end
// goes on from where the last one stopped, so the block is read in one pass
// and shows as written.
TEST(RestInline, ManyStartsWithoutEndsStayAsWritten)
{
    std::u16string block;
    while (block.size() < 4000) {
        block += u"*a **b ``c `d |e [f ";
    }
    std::u16string text = block;
    const std::size_t length = RestInlineToText(text.data(), text.size(), 0, nullptr);
    EXPECT_TRUE(text.substr(0, length) == block);
}

} // namespace
} // namespace zandrel
