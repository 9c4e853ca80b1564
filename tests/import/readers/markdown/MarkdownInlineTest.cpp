// The inline Markdown of one block on its own: emphasis, code spans, links
// and images as a CommonMark renderer shows them, with the definitions that
// each row names ('|' between labels).

#include <gtest/gtest.h>

#include <string>

#include "ShownText.h"
#include "import/readers/markdown/MarkdownInline.h"

namespace zandrel::markdown {
namespace {

using test::Shown;

struct InlineRow {
    const char16_t* block;
    const char16_t* text;
    const char16_t* labels = u"";
};

// clang-format off
const InlineRow EmphasisRows[] = {
    {u"*a* _b_ **c** __d__ ***e***", u"a b c d e"},
    {u"*a**", u"a*"},
    {u"**a*", u"*a"},
    {u"*a**b*", u"a**b"},                // the rule of three: "**" both opens and closes
    {u"*a***b**", u"ab"},
    {u"***a**b*", u"ab"},
    {u"**a***b***", u"ab**"},
    {u"a*b*c a**b**c", u"abc abc"},      // '*' inside a word
    {u"a_b_c __init__.py _a_b", u"a_b_c init.py _a_b"}, // '_' not
    {u"_a_, (_b_) \"_c_\"", u"a, (b) \"c\""},
    {u"* a * 2 * 3 *", u"* a * 2 * 3 *"}, // neither side flanking
    {u"a*\"b\"* *(c)*", u"a*\"b\"* (c)"}, // left-flanking needs a blank or a sign before
    {u"*a *b* c*", u"a b c"},
    {u"*a\nb*", u"a\nb"},
    {u"\u00ABa*b*\u00BB *\u00E9t\u00E9*", u"\u00ABab\u00BB \u00E9t\u00E9"},
    {u"\u3001*a*\u3002", u"\u3001a\u3002"},
    {u"~~a~~ ~b~ ~~~c~~~ ~~d~", u"a b ~~~c~~~ ~~d~"},
    {u"\\*a\\* \\_b_", u"*a* _b_"},
    {u"**a `**` b**", u"a ** b"},
    {u"[*a](x)*", u"*a*"},               // the link's brackets bound its emphasis
};

const InlineRow CodeSpanRows[] = {
    {u"`a` ``b`c`` ```d``e```", u"a b`c d``e"},
    {u"`a``", u"`a``"},                  // runs of unequal length do not pair
    {u"``a`", u"``a`"},
    {u"`a`` b`", u"a`` b"},
    {u"`` a `` ` b ` `  `", u"a b   "},  // one blank off each side, unless all blanks
    {u"` a`", u" a"},
    {u"`*a* <b> [c](d) \\`", u"*a* <b> [c](d) \\"},
    {u"`a\nb`", u"a\nb"},
    {u"```", u"```"},
};

const InlineRow LinkRows[] = {
    {u"[a](http://x) [b](<x y>) [c](x \"t\") [d](x 't') [e](x (t))", u"a b c d e"},
    {u"[a]( x \n 't' \n)", u"a"},
    {u"[a](x(y)z) [b](x)) [c](x\\))", u"a b) c"},
    {u"[a](x y) [b](<x) [c](x 't)", u"[a](x y) [b](<x) [c](x 't)"},
    {u"[a] (x) [b](x", u"[a] (x) [b](x"},
    {u"![a](i.png) x ![b *c*](d)", u" x "},   // an image shows nothing
    {u"[![a](i.svg)](url) [![b](i) c](url)", u"  c"},
    {u"[a [b] c](x) [a [b](y) c](x)", u"a [b] c [a b c](x)"},
    {u"[[a](x)](y)", u"[a](y)"},            // no link inside a link
    {u"![[a](x)](y)", u""},                 // but inside an image
    {u"[a\\]b](x) \\[c](x)", u"a]b [c](x)"},
    {u"[a][b] [c][] [d][e", u"a c [d][e"},
    {u"[a]", u"a", u"a"},                     // a shortcut reference
    {u"[A  b\nC]", u"A  b\nC", u"a B c"},    // matched ignoring case and white space
    {u"[\u00C9t\u00E9]", u"\u00C9t\u00E9", u"\u00E9T\u00C9"},
    {u"[a] [b] [a b]", u"a [b] [a b]", u"a|c"},
    {u"![a] x", u" x", u"a"},
    {u"[a](not a link", u"a(not a link", u"a"},
    {u"[a\\]]", u"a]", u"a\\]"},
    {u"[a[b]]", u"[ab]", u"b|a[b]"},          // a label holds no bracket
    {u"[x] done", u"[x] done", u""},
    {u"<http://x.org/a?b> <a.b@c.org> <x> <b>c</b> a <b", u"http://x.org/a?b a.b@c.org  c a <b"},
    {u"<b>auth</b><br/>Add<BR>x</br>y<br\n class=\"z\">w", u"auth\nAdd\nx\ny\nw"}, // a line break
    {u"say <q>hi</q>, <Q cite=\"x\">yo</Q>", u"say \u201Chi\u201D, \u201Cyo\u201D"},
};

// Destinations, addresses and code spans longer than a word of eight units,
// with what ends or breaks them in either half of a word, or past ASCII.
const InlineRow LongRunRows[] = {
    {u"[a](abcdefghijklmnop)", u"a"},
    {u"[a](abcdefgh(ij)klmnop)", u"a"},
    {u"[a](abcdefg(hijklmnop)", u"[a](abcdefg(hijklmnop)"},   // the ')' closes the '('
    {u"[a](abcdefghijklmno\\)p)", u"a"},
    {u"[a](abcdefgh ijklmnop)", u"[a](abcdefgh ijklmnop)"},
    {u"[a](abcd\u00E9fghijklmnopq)", u"a"},
    {u"[a](abcdefghijklmnop", u"[a](abcdefghijklmnop"},
    {u"[a](abcdefghijklmnopqrstuvw))", u"a)"},
    {u"<http://abcdefghijklmnop.org/qrstuvwx>", u"http://abcdefghijklmnop.org/qrstuvwx"},
    {u"<http://abcdefgh\u00E9ijklmnop>", u"http://abcdefgh\u00E9ijklmnop"},
    {u"<http://abcdefghijkl<mnop>", u"<http://abcdefghijkl"},      // "<mnop>" is a tag
    {u"<http://abcdefghijklmnop qrst>", u"<http://abcdefghijklmnop qrst>"},
    {u"`abcdefghijklmnopq` x", u"abcdefghijklmnopq x"},
    {u"``abcdefgh`ijklmnop``", u"abcdefgh`ijklmnop"},
};

// A backslash at the very end of the block, wherever it stands.
const InlineRow TrailingBackslashRows[] = {
    {u"\\", u"\\"},
    {u"a\\", u"a\\"},
    {u"[a\\", u"[a\\"},
    {u"[a]\\", u"a\\", u"a"},
    {u"[a][b\\", u"[a][b\\"},
    {u"[a](\\", u"[a](\\"},
    {u"[a](b\\", u"[a](b\\"},
    {u"[a](<b\\", u"[a](<b\\"},
    {u"[a](b \"c\\", u"[a](b \"c\\"},
    {u"[a](b (c\\", u"[a](b (c\\"},
    {u"`a\\", u"`a\\"},
    {u"*a\\", u"*a\\"},
    {u"<a\\", u"<a\\"},
    {u"&\\", u"&\\"},
};
// clang-format on

LinkLabelSet LabelsOf(const char16_t* labels)
{
    LinkLabelSet set;
    const std::u16string all(labels);
    std::size_t from = 0;
    while (from < all.size()) {
        std::size_t to = all.find(u'|', from);
        to = to == std::u16string::npos ? all.size() : to;
        set.Add(all.data() + from, all.data() + to);
        from = to + 1;
    }
    return set;
}

void ExpectRows(const InlineRow* rows, std::size_t count)
{
    for (std::size_t k = 0; k < count; ++k) {
        const InlineRow& row = rows[k];
        std::u16string text(row.block);
        const std::size_t units = text.size();
        const std::u16string sentinels(8, u'\\'); // a backslash past the end escapes nothing
        text += sentinels;
        const std::size_t length = MarkdownInlineToText(text.data(), units, LabelsOf(row.labels));
        SCOPED_TRACE(testing::Message() << "row " << k);
        ASSERT_LE(length, units);
        EXPECT_EQ(Shown(text.substr(0, length)), Shown(row.text));
        EXPECT_EQ(Shown(text.substr(units)), Shown(sentinels));
    }
}

TEST(MarkdownInline, EmphasisFollowsTheFlankingRulesAndTheRuleOfThree)
{
    ExpectRows(EmphasisRows, std::size(EmphasisRows));
}

TEST(MarkdownInline, LongDestinationsAddressesAndCodeSpansEndWhereTheyEnd)
{
    ExpectRows(LongRunRows, std::size(LongRunRows));
}

TEST(MarkdownInline, CodeSpansCloseOnlyOnARunOfTheirLength)
{
    ExpectRows(CodeSpanRows, std::size(CodeSpanRows));
}

TEST(MarkdownInline, LinksShowTheirTextAndImagesNothing)
{
    ExpectRows(LinkRows, std::size(LinkRows));
}

TEST(MarkdownInline, ABackslashAtTheEndStaysWithinTheBlock)
{
    ExpectRows(TrailingBackslashRows, std::size(TrailingBackslashRows));
}

std::u16string Repeated(const char16_t* piece, std::size_t times)
{
    std::u16string text;
    for (std::size_t k = 0; k < times; ++k) {
        text += piece;
    }
    return text;
}

std::u16string Read(std::u16string text, const LinkLabelSet& labels = {})
{
    text.resize(MarkdownInlineToText(text.data(), text.size(), labels));
    return text;
}

// Sixty-four delimiter runs and sixty-four brackets are kept; those past them
// stay as written.
TEST(MarkdownInline, RunsAndBracketsPastTheStackStayAsWritten)
{
    EXPECT_TRUE(Read(Repeated(u"*a ", 62) + u"*b*") == Repeated(u"*a ", 62) + u"b");
    EXPECT_TRUE(Read(Repeated(u"*a ", 63) + u"*b*") == Repeated(u"*a ", 63) + u"*b*");
    EXPECT_TRUE(Read(Repeated(u"[", 63) + u"[b](x)") == Repeated(u"[", 63) + u"b");
    EXPECT_TRUE(Read(Repeated(u"[", 64) + u"[b](x)") == Repeated(u"[", 64) + u"[b](x)");
    // A run that pairs frees no place: the stack counts the runs read.
    EXPECT_TRUE(Read(Repeated(u"*a* ", 32) + u"*b*") == Repeated(u"a ", 32) + u"*b*");
}

TEST(MarkdownInline, ALabelSetKeepsSixtyFourLabels)
{
    LinkLabelSet labels;
    std::u16string names[LinkLabelSet::MostLabels + 1];
    for (std::size_t k = 0; k < std::size(names); ++k) {
        const std::string number = std::to_string(k);
        names[k] = u"label " + std::u16string(number.begin(), number.end());
        const bool added = labels.Add(names[k].data(), names[k].data() + names[k].size());
        EXPECT_EQ(added, k < LinkLabelSet::MostLabels) << k;
    }
    EXPECT_EQ(labels.Size(), LinkLabelSet::MostLabels);
    EXPECT_TRUE(Read(u"[" + names[0] + u"]", labels) == names[0]);
    EXPECT_TRUE(Read(u"[" + names[64] + u"]", labels) == u"[" + names[64] + u"]");
    const std::u16string blank = u" \t\n";
    EXPECT_FALSE(labels.Add(blank.data(), blank.data() + blank.size())); // defines nothing
}

} // namespace
} // namespace zandrel::markdown
