// The Rich Text reader on its own: the exact wide text it leaves from a
// document's bytes, before the conversion to ANSI and the normaliser. The
// stand-in's conversion knows windows-1252 only: these rows keep to it (the
// rows of other code pages are in RichTextRows.h).

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "import/readers/rtf/RichText.h"

namespace zandrel {
namespace {

using namespace std::string_view_literals;

struct RichTextCase {
    std::string_view rtf;
    const char16_t* text; // lines end in LF
};

// clang-format off
const RichTextCase RichTextCases[] = {
    // Groups, control words and their delimiters; raw line breaks are no text.
    {"{\\rtf1 Hello {\\b bold}\\i0  world\\par}"sv, u"Hello bold world"},
    {"{\\rtf1 a\r\nb\n\rc}"sv, u"abc"},
    {"{\\rtf1\\ansi\\fs20\\lang1033 x\\b-1 y\\fs-2\\ z}"sv, u"xyz"},           // \<space> shows nothing
    {"{\\rtf1 \\par  \\par \\tab\\par a  \\tab \\par\\par b\\par}"sv, u"a\nb"}, // no empty line, no blank at the ends
    {"{\\rtf1 a\\line b\\sect c\\page d\\column e\\par\\par f\\tab g}"sv, u"a\nb\nc\nd\ne\nf\tg"},
    {"{\\rtf1 a\\\nb\\\r\nc\\\r\\\nd}"sv, u"a\nb\nc\nd"},                         // TextEdit's paragraph ends
    // Characters.
    {"{\\rtf1 Caf\\'e9 \\'93q\\'94 \\'80\\'85}"sv, u"Caf\u00E9 \u201Cq\u201D \u20AC\u2026"},
    {"{\\rtf1 a\\'00\\'01b\\'09c\\'81\\'7fd\x01\x7F" "e\tf}"sv, u"ab\tcde\tf"},   // controls go, TAB stays
    {"{\\rtf1 a\\~b\\_c\\-d\\\\e\\{f\\}g\\:h\\|i}"sv, u"a\u00A0b-cd\\e{f}ghi"},
    {"{\\rtf1 \\emdash\\endash\\lquote\\rquote\\ldblquote\\rdblquote\\bullet\\emspace\\enspace\\qmspace .}"sv,
     u"\u2014\u2013\u2018\u2019\u201C\u201D\u2022\u2003\u2002\u2005."},
    {"{\\rtf1 \\'4a\\'4B\\'zz\\'4}"sv, u"JKzz4"},                                 // no hex digits, no byte
    // \uN and the fallback characters after it.
    {"{\\rtf1 \\u8364?x \\u233\\'e9y}"sv, u"\u20ACx \u00E9y"},
    {"{\\rtf1\\uc2 \\u8364\\'80\\'80x\\uc0 \\u8364 y}"sv, u"\u20ACx\u20ACy"},
    {"{\\rtf1 {\\uc2 \\u233 xy}\\u233 xy}"sv, u"\u00E9\u00E9y"},                 // \uc lasts to its group's end
    {"{\\rtf1\\uc3 {\\u233}z\\u233 {q}r}"sv, u"\u00E9z\u00E9qr"},               // a brace ends the fallback
    {"{\\rtf1 \\u233\\emdash z}"sv, u"\u00E9z"},                                  // a control word counts as one
    {"{\\rtf1 \\u-10179?\\u-8704?!}"sv, u"\U0001F600!"},                          // negative: from 65536
    {"{\\rtf1 \\u-3913?\\u-4064?\\u99999 x}"sv, u"\u2022x"},                      // Symbol's private use; out of range
    {"{\\rtf1 \\u0?\\u10?a}"sv, u"a"},
    // Destinations that show nothing.
    {"{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red0\\green0\\blue0;}"
     "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}{\\*\\generator G;}a}"sv, u"a"},
    {"{\\rtf1{\\header H}{\\headerl H}{\\headerr H}{\\headerf H}{\\footer F}{\\footerl F}{\\footerr F}"
     "{\\footerf F}a{\\footnote N}b}"sv, u"ab"},
    {"{\\rtf1 a{\\pict\\wmetafile8\\picw10 0102ff}b{\\object\\objemb{\\*\\objdata 01}{\\result{\\pict 02}}}c"
     "{\\*\\themedata 50}{\\*\\colorschememapping 3c}{\\*\\latentstyles\\lsdstimax376{\\lsdlockedexcept x}}"
     "{\\*\\datastore 01}{\\*\\xmlnstbl{\\xmlns1 u}}{\\listtable{\\list x}}{\\listoverridetable y}"
     "{\\*\\revtbl{Unknown;}}{\\*\\rsidtbl \\rsid1}d}"sv, u"abcd"},
    {"{\\rtf1 a{{\\NeXTGraphic dock.tiff \\width80 \\height62} \\uc0 \\u-4 }b\\u65532?c}"sv, u"a bc"}, // Cocoa's picture
    {"{\\rtf1 a{\\*\\unknown x{y}z}b{\\*\\bkmkstart m}c{\\* d}e}"sv, u"abc de"},   // \* then text: shown
    {"{\\rtf1 See {\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt the site}} and "
     "{\\field{\\fldinst PAGE}{\\fldrslt 3}}.}"sv, u"See the site and 3."},
    {"{\\rtf1 a\\v hidden\\v0 b{\\v c}d\\v e\\par f\\plain g\\v1 h}"sv, u"abdg"},  // a hidden break ends no line
    // \binN skips N bytes, braces and backslashes too.
    {"{\\rtf1 a{\\*\\blob\\bin3 }{\\}b\\par c}"sv, u"ab\nc"},
    {"{\\rtf1 a\\bin2 \x00\x01" "b\\bin0 c\\bin-4 d}"sv, u"abcd"},
    {"{\\rtf1 a\\bin99 xyz"sv, u"a"},
    // Tables: a row's cells on one line, a TAB apart.
    {"{\\rtf1 \\trowd\\cellx1000\\cellx2000 \\pard\\intbl a\\cell b\\cell\\row "
     "\\trowd c\\cell\\cell d\\cell\\row after}"sv, u"a\tb\nc\t\td\nafter"},
    {"{\\rtf1 a\\cell{\\*\\nesttableprops x}b\\nestcell c\\nestrow d}"sv, u"a\tb\tc\nd"},
    // List numbers and bullets as shown; Symbol's bullet; other Symbol glyphs go.
    {"{\\rtf1{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fcharset2 Symbol;}}"
     "{\\listtext\\pard\\plain\\f1 \\'b7\\tab}Item\\par"
     "{\\pntext\\f1\\'b7\\tab}{\\*\\pn\\pnlvlblt\\pnf1{\\pntxtb\\'b7}}Two\\par"
     "{\\listtext 2.\\tab}Three\\par{\\f1 abc\\'a7}x}"sv,
     u"\u2022\tItem\n\u2022\tTwo\n2.\tThree\n\u25AAx"},
    {"{\\rtf1\\deff1{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset2 Symbol;}}a\\f0 b\\plain c}"sv, u"b"},
    // The read cut the document anywhere: what is cut shows nothing.
    {"{\\rtf1 Hello\\pa"sv, u"Hello"},
    {"{\\rtf1 Hello\\par"sv, u"Hello"},                                           // \par or \pard? unknown
    {"{\\rtf1 Hello\\par "sv, u"Hello"},
    {"{\\rtf1 a\\u82"sv, u"a"},
    {"{\\rtf1 a\\fs-"sv, u"a"},
    {"{\\rtf1 a\\'e"sv, u"a"},
    {"{\\rtf1 a\\'"sv, u"a"},
    {"{\\rtf1 a\\"sv, u"a"},
    {"{\\rtf1 {\\b {\\i a"sv, u"a"},
    {"{\\rtf1{\\fonttbl{\\f0\\fswiss\\fcharset0 Ar"sv, u""},
    // Unbalanced braces: the document ends with its outermost group.
    {"{\\rtf1 a}}}b{c}"sv, u"a"},
    {"}}{\\rtf1 a\\par}b"sv, u"a"},
    {"{\\rtf1 a{\\*\\x}}{\\rtf1 b}"sv, u"a"},
    // Text before any group (only a stray file starts so): shown as it is.
    {"plain\ntext\r\nlines"sv, u"plaintextlines"},
};
// clang-format on

// Reads `rtf` into a buffer of `capacity` units and sentinels after it.
std::u16string Read(std::string_view rtf, std::size_t capacity, std::u16string& after)
{
    const std::string bytes(rtf); // a heap block of exactly its size for sanitizers
    std::u16string wide(capacity + 8, u'#');
    const std::size_t length = RichTextToWide(bytes.data(), bytes.size(), wide.data(), capacity);
    EXPECT_LE(length, capacity);
    after = wide.substr(capacity);
    return wide.substr(0, length);
}

TEST(RichText, LeavesTheTextAWordProcessorShows)
{
    for (const RichTextCase& row : RichTextCases) {
        SCOPED_TRACE(testing::Message() << "row " << (&row - RichTextCases));
        std::u16string after;
        const std::u16string text = Read(row.rtf, row.rtf.size(), after);
        EXPECT_TRUE(text == row.text) << std::string(text.begin(), text.end());
        EXPECT_EQ(after, std::u16string(8, u'#')); // never longer than the bytes
    }
}

// Any room, down to none: never a unit past it, and what fits is the text's start.
TEST(RichText, WritesNoMoreThanItsRoom)
{
    for (const RichTextCase& row : RichTextCases) {
        const std::u16string whole(row.text);
        for (std::size_t capacity = 0; capacity < whole.size(); ++capacity) {
            SCOPED_TRACE(testing::Message() << "row " << (&row - RichTextCases) << " room "
                                            << capacity);
            std::u16string after;
            const std::u16string text = Read(row.rtf, capacity, after);
            EXPECT_EQ(after, std::u16string(8, u'#'));
            EXPECT_TRUE(whole.starts_with(text));
        }
    }
}

// Deeper than the reader's stack of groups: a group past it is read as the
// deepest one kept says, and what it changes ends with it.
TEST(RichText, GroupsDeeperThanItsStackNeitherCrashNorLeak)
{
    const std::string open(100, '{');
    const std::string close(100, '}');
    struct DeepCase {
        std::string rtf;
        const char16_t* text;
    };
    const DeepCase rows[] = {
        {"{\\rtf1 a" + open + "b" + close + "c}", u"abc"},
        {"{\\rtf1 a" + open + "\\v b" + close + "c}", u"ac"},
        {"{\\rtf1 a{\\v " + open + "b" + close + "}c}", u"ac"},
        {"{\\rtf1 a" + open + "{\\*\\x " + open + "b" + close + "}" + close + "c}", u"ac"},
        {"{\\rtf1 a" + open + "{\\v b}c" + close + "d}", u"acd"},
        {"{\\rtf1 a" + open + "b", u"ab"},
    };
    for (const DeepCase& row : rows) {
        SCOPED_TRACE(row.rtf);
        std::u16string after;
        EXPECT_TRUE(Read(row.rtf, row.rtf.size(), after) == row.text);
    }
}

// A header longer than the read (a big font or style table, an embedded
// picture first) leaves nothing to show.
TEST(RichText, AHeaderThatFillsTheReadGivesNoText)
{
    std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl";
    for (int font = 0; rtf.size() < 4095; ++font) {
        rtf += "{\\f" + std::to_string(font) + "\\froman\\fcharset0 Times New Roman;}";
    }
    rtf.resize(4095);
    std::u16string after;
    EXPECT_TRUE(Read(rtf, rtf.size(), after).empty());
}

} // namespace
} // namespace zandrel
