// The Markdown reader over fuzzed wide text, in a heap block of exactly its
// size, so that AddressSanitizer reports a read or write past the count. What
// it gives is never longer than what it got, holds no line break but LF and no
// line that shows nothing; a text without ASCII punctuation, which is all that
// Markdown's markup is made of, gives its own lines that show something,
// without the blanks at their ends. A text made of markup of a few kinds
// (headings, emphasis, strike-through, code spans, links, character
// references) between words, as a small restatement writes it, shows the
// lines that the restatement says.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "import/ImportLimits.h"
#include "import/readers/markdown/MarkdownText.h"

namespace {

using Text = std::u16string;

bool IsAsciiPunctuation(char16_t c)
{
    return c < 0x80 && c > u' ' && !(c >= u'0' && c <= u'9') && !(c >= u'a' && c <= u'z') &&
           !(c >= u'A' && c <= u'Z') && c != 0x7F;
}

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f' || c == 0x1A || c == 0xA0;
}

// The lines of `text`, split at CR LF, CR and LF.
std::vector<Text> Lines(const Text& text)
{
    std::vector<Text> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' || text[i] == u'\n') {
            i += text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n' ? 1 : 0;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    return lines;
}

Text TrimSpaceAndTab(const Text& line)
{
    std::size_t begin = 0;
    std::size_t end = line.size();
    while (begin < end && (line[begin] == u' ' || line[begin] == u'\t')) {
        ++begin;
    }
    while (end > begin && (line[end - 1] == u' ' || line[end - 1] == u'\t')) {
        --end;
    }
    return line.substr(begin, end - begin);
}

bool ShowsSomething(const Text& line)
{
    for (const char16_t c : line) {
        if (!IsBlank(c)) {
            return true;
        }
    }
    return false;
}

// The lines that show something, each without the blanks at its ends.
std::vector<Text> ShownLines(const Text& text)
{
    std::vector<Text> shown;
    for (const Text& line : Lines(text)) {
        if (ShowsSomething(line)) {
            shown.push_back(TrimSpaceAndTab(line));
        }
    }
    return shown;
}

// Bytes past ASCII stand for characters that the rules treat apart.
constexpr char16_t WideUnits[] = {0x00A0, 0x00E9, 0x2014, 0x3000, 0x30C0, 0xD800, 0xDC00, 0xFFFD};

// What a reference shows, as a browser shows a rendered Markdown file: a
// control as white space or nothing; a byte of 128 to 159 as windows-1252's
// character; an unknown name or a missing ';' as written.
struct ReferenceShown {
    const char16_t* written;
    const char16_t* shown;
};

constexpr ReferenceShown References[] = {
    {u"&amp;", u"&"},        {u"&lt;", u"<"},         {u"&gt;", u">"},
    {u"&quot;", u"\""},      {u"&nbsp;", u"\u00A0"},   {u"&eacute;", u"\u00E9"},
    {u"&#10;", u" "},        {u"&#13;", u" "},        {u"&#x0D;", u" "},
    {u"&#9;", u" "},         {u"&#X0c;", u" "},       {u"&#0;", u"\uFFFD"},
    {u"&#1;", u""},          {u"&#x1F;", u""},        {u"&#127;", u""},
    {u"&#128;", u"\u20AC"},  {u"&#x81;", u""},        {u"&#159;", u"\u0178"},
    {u"&#35;", u"#"},        {u"&#x2A;", u"*"},       {u"&#0000233;", u"\u00E9"},
    {u"&#x1F600;", u"\U0001F600"}, {u"&#x110000;", u"\uFFFD"}, {u"&#xD800;", u"\uFFFD"},
    {u"&madeup;", u"&madeup;"}, {u"&amp", u"&amp"},  {u"&#12345678;", u"&#12345678;"},
    {u"&#x;", u"&#x;"},
};

// Markdown written from the bytes, one piece a byte, with the text it shows:
// pieces are a space apart, lines never start indented (which would make
// code), and a heading's marks come only at a line's start.
struct Written {
    Text markdown;
    Text shown;
};

Written WriteMarkdown(const std::uint8_t* data, std::size_t size)
{
    Written w;
    bool lineStart = true;  // a heading's marks may come
    bool spaced = true;     // the next piece needs no space before it
    bool glueable = false;  // the last piece was a word or a reference
    // Emphasis, strike-through and links, well within the reader's bound of 64
    // delimiter runs and 64 brackets a block; the rest are words.
    std::size_t marked = 0;
    const auto piece = [&](const Text& markdown, const Text& shown, bool glue) {
        if (!spaced && !(glue && glueable)) {
            w.markdown += u' ';
            w.shown += u' ';
        }
        w.markdown += markdown;
        w.shown += shown;
        lineStart = false;
        spaced = false;
    };
    for (std::size_t i = 0; i < size && w.markdown.size() + 32 < zandrel::WideTextUnits; ++i) {
        const unsigned kind = data[i] & 15;
        const unsigned arg = data[i] >> 4;
        const Text word(1 + arg % 3, static_cast<char16_t>(u'a' + arg));
        const bool glue = (arg & 1) != 0;
        bool glueNext = false;
        const bool markable = (kind >= 5 && kind <= 8 && kind != 7) ? ++marked <= 24 : true;
        switch (markable ? kind : 0) {
        case 3: {
            const Text breaks[] = {u"\n", u"\r\n", u"\r", u"\n\n", u"  \n", u"\n  \n"};
            w.markdown += breaks[arg % std::size(breaks)];
            w.shown += u'\n';
            lineStart = true;
            spaced = true;
            break;
        }
        case 4:
            if (lineStart) {
                w.markdown += Text(1 + arg % 6, u'#') + u' ';
                lineStart = false;
            } else {
                piece(word, word, false);
            }
            break;
        case 5: {
            const Text mark(1 + (arg & 1), (arg & 2) != 0 ? u'_' : u'*');
            piece(mark + word + mark, word, false);
            break;
        }
        case 6:
            piece(u"~~" + word + u"~~", word, false);
            break;
        case 7:
            piece(u"`" + word + u"`", word, false);
            break;
        case 8:
            piece(u"[" + word + u"](x)", word, false);
            break;
        case 9:
            if (!spaced) {
                w.markdown += Text(1 + arg % 4, u' ');
                w.shown += Text(1 + arg % 4, u' ');
            }
            break;
        case 10:
        case 11:
        case 12: {
            const ReferenceShown& row = References[(arg + 16 * (kind - 10)) % std::size(References)];
            piece(row.written, row.shown, glue);
            glueNext = true;
            break;
        }
        case 13: {
            const Text wide(1, WideUnits[arg % std::size(WideUnits)]);
            piece(wide, wide, false);
            break;
        }
        default:
            piece(word, word, glue);
            glueNext = true;
            break;
        }
        glueable = glueNext;
    }
    return w;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zandrel;
    if (size < 1) {
        return 0;
    }
    // Bit 1 of the mode: the bytes write Markdown whose text is known; else
    // bit 0: ASCII punctuation becomes letters, so that the text holds no
    // markup.
    const bool written = (data[0] & 2) != 0;
    const bool plain = !written && (data[0] & 1) != 0;
    const Written markdown = written ? WriteMarkdown(data + 1, size - 1) : Written{};
    Text text = markdown.markdown;
    for (std::size_t i = 1; !written && i < size && text.size() < WideTextUnits; ++i) {
        const std::uint8_t b = data[i];
        char16_t unit = b < 0x80 ? char16_t{b} : WideUnits[b % std::size(WideUnits)];
        if (plain && IsAsciiPunctuation(unit)) {
            unit = static_cast<char16_t>(u'a' + b % 26);
        }
        text += unit;
    }

    const std::size_t units = text.size();
    auto block = std::make_unique<char16_t[]>(units == 0 ? 1 : units);
    std::copy(text.begin(), text.end(), block.get());
    const std::size_t length = MarkdownToText(block.get(), units);
    if (length > units) {
        fuzz::Fail("the text grew");
    }
    const Text out(block.get(), length);
    const std::vector<Text> lines = Lines(out);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool lastAndEmpty = i + 1 == lines.size() && lines[i].empty();
        if (!lastAndEmpty && !ShowsSomething(lines[i])) {
            fuzz::Fail("a line that shows nothing");
        }
    }
    if (out.find(u'\r') != Text::npos) {
        fuzz::Fail("a line break other than LF");
    }
    if (plain && ShownLines(out) != ShownLines(text)) {
        fuzz::Fail("a text without markup changed");
    }
    if (written && ShownLines(out) != ShownLines(markdown.shown)) {
        fuzz::Fail("the written Markdown shows other lines than it should");
    }
    return 0;
}
