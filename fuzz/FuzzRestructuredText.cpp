// The reStructuredText reader over fuzzed wide text, in a heap block of exactly
// its size, so that AddressSanitizer reports a read or write past the count.
// What it gives is never longer than what it got, holds no line break but LF
// and no line that shows nothing. A text without ASCII punctuation, which is
// all that reStructuredText's markup is made of, gives its own lines that show
// something, without the blanks at their ends. A text without '|', which alone
// brings in a substitution's text, gives only characters it holds, in their
// order (line breaks and the TABs between table cells aside). A text made of
// blocks of a few kinds (paragraphs with inline markup or its look-alikes,
// titles, transitions, comments, directives, targets, fields, list items,
// literal blocks), as a small restatement writes them, shows exactly the lines
// that the restatement says.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "import/ImportLimits.h"
#include "import/readers/rst/RestructuredText.h"

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

bool IsIndent(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f';
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

Text Trim(const Text& line)
{
    std::size_t begin = 0;
    std::size_t end = line.size();
    while (begin < end && IsIndent(line[begin])) {
        ++begin;
    }
    while (end > begin && IsIndent(line[end - 1])) {
        --end;
    }
    return line.substr(begin, end - begin);
}

bool ShowsSomething(const Text& line)
{
    return std::any_of(line.begin(), line.end(), [](char16_t c) { return !IsBlank(c); });
}

// The lines that show something, each without the blanks at its ends.
std::vector<Text> ShownLines(const Text& text)
{
    std::vector<Text> shown;
    for (const Text& line : Lines(text)) {
        if (ShowsSomething(line)) {
            shown.push_back(Trim(line));
        }
    }
    return shown;
}

// Whether `out`, without its LFs and TABs, is a subsequence of `in`.
bool KeepsOrderAndCharacters(const Text& out, const Text& in)
{
    std::size_t at = 0;
    for (const char16_t c : out) {
        if (c == u'\n' || c == u'\t') {
            continue;
        }
        while (at < in.size() && in[at] != c) {
            ++at;
        }
        if (at == in.size()) {
            return false;
        }
        ++at;
    }
    return true;
}

// Bytes past ASCII stand for characters that the rules treat apart.
constexpr char16_t WideUnits[] = {0x00A0, 0x00E9, 0x2014, 0x2022, 0x3000,
                                  0x65E5, 0xD800, 0xDC00, 0xFF08, 0xFFFD};

// reStructuredText written from the bytes, one block a byte, blank lines
// between them, with the lines it shows, each ending in LF.
struct Written {
    Text rst;
    Text shown;
};

constexpr const char16_t* Words[] = {u"tide", u"keel", u"mast", u"hull",
                                     u"deck", u"sail", u"rope", u"buoy"};

// Inline markup and look-alikes between two words: as written, as shown.
struct InlineShown {
    const char16_t* written;
    const char16_t* shown;
};

constexpr InlineShown Inlines[] = {
    {u"*keel*", u"keel"},
    {u"**keel**", u"keel"},
    {u"``*keel*``", u"*keel*"},
    {u"`keel`", u"keel"},
    {u"`keel mast <http://x>`_", u"keel mast"},
    {u"keel_", u"keel"},
    {u":emphasis:`keel`", u"keel"},
    {u"[1]_", u"[1]"},
    {u"\\*", u"*"},
    {u"2 * 3", u"2 * 3"},
    {u"snake_case", u"snake_case"},
    {u"*args", u"*args"},
    {u"a*b", u"a*b"},
    {u"`keel`_", u"keel"},
    {u"\\*keel*", u"*keel*"},
    {u"**", u"**"},
};

Written WriteRestructuredText(const std::uint8_t* data, std::size_t size)
{
    Written w;
    const auto shows = [&](const Text& line) { w.shown += line + u'\n'; };
    for (std::size_t i = 0; i < size && w.rst.size() + 64 < zandrel::WideTextUnits; ++i) {
        const unsigned kind = data[i] % 13;
        const unsigned arg = data[i] / 13;
        const Text word = Words[arg % std::size(Words)];
        const Text other = Words[(arg / 2 + 3) % std::size(Words)];
        if (i > 0) {
            w.rst += (arg & 1) != 0 ? u"\r\n\r\n" : u"\n\n";
        }
        switch (kind) {
        case 0:
            w.rst += word + u' ' + other + u'\n';
            shows(word + u' ' + other);
            break;
        case 1: {
            const InlineShown& row = Inlines[arg % std::size(Inlines)];
            w.rst += word + u' ' + row.written + u' ' + other + u'\n';
            shows(word + u' ' + row.shown + u' ' + other);
            break;
        }
        case 2: {
            const char16_t marks[] = {u'=', u'-', u'~', u'^'};
            const Text title = word + u' ' + other;
            w.rst += title + u'\n' + Text(title.size() + arg % 3, marks[arg % 4]) + u'\n';
            shows(title);
            break;
        }
        case 3: {
            const char16_t marks[] = {u'=', u'#', u'*', u'-'};
            const Text line(word.size() + 2, marks[arg % 4]);
            w.rst += line + u"\n " + word + u'\n' + line + u'\n';
            shows(word);
            break;
        }
        case 4:
            w.rst += Text(4 + arg % 8, (arg & 2) != 0 ? u'-' : u'=') + u'\n';
            break;
        case 5:
            w.rst += u".. " + word + u" *" + other + u"*\n";
            if ((arg & 2) != 0) {
                w.rst += u"   " + other + u'\n';
            }
            break;
        case 6:
            w.rst += u".. image:: " + word + u".png\n   :target: " + other + u'\n';
            break;
        case 7:
            if ((arg & 2) != 0) {
                w.rst += u".. note:: " + word + u" *" + other + u"*\n";
            } else {
                w.rst += u".. note::\n" + Text((arg & 4) != 0 ? u"\n" : u"") + u"   " + word +
                         u" *" + other + u"*\n";
            }
            shows(word + u' ' + other);
            break;
        case 8:
            w.rst += u".. _" + word + u": http://x/" + other + u'\n';
            break;
        case 9:
            w.rst += u':' + word + u": " + other + u'\n';
            shows(word + u": " + other);
            break;
        case 10: {
            const Text bullet = (arg & 2) != 0 ? u"* " : u"- ";
            w.rst += bullet + word + u" *" + other + u"*\n";
            shows(bullet + word + u' ' + other);
            break;
        }
        case 11:
            // "text::" keeps one ':', "text ::" none; the block is shown as written.
            w.rst += word + ((arg & 2) != 0 ? u" ::\n\n" : u"::\n\n") + u"    *" + other +
                     u"* ``x``\n";
            shows((arg & 2) != 0 ? word : word + u':');
            shows(u'*' + other + u"* ``x``");
            break;
        default:
            w.rst += u"::\n\n   " + word + u"_ *x\n";
            shows(word + u"_ *x");
            break;
        }
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
    // Bit 2 of the mode: the bytes write reStructuredText whose text is known;
    // else bit 0: ASCII punctuation becomes letters, so that the text holds no
    // markup; bit 1: '|' becomes a blank.
    const bool written = (data[0] & 4) != 0;
    const bool plain = !written && (data[0] & 1) != 0;
    const bool noBars = !written && (data[0] & 2) != 0;
    const Written rst = written ? WriteRestructuredText(data + 1, size - 1) : Written{};
    Text text = rst.rst;
    for (std::size_t i = 1; !written && i < size && text.size() < WideTextUnits; ++i) {
        const std::uint8_t b = data[i];
        char16_t unit = b < 0x80 ? char16_t{b} : WideUnits[b % std::size(WideUnits)];
        if (plain && IsAsciiPunctuation(unit)) {
            unit = static_cast<char16_t>(u'a' + b % 26);
        }
        if (noBars && unit == u'|') {
            unit = u' ';
        }
        text += unit;
    }

    const std::size_t units = text.size();
    auto block = std::make_unique<char16_t[]>(units == 0 ? 1 : units);
    std::copy(text.begin(), text.end(), block.get());
    const std::size_t length = RestructuredTextToText(block.get(), units);
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
    if (text.find(u'|') == Text::npos && !KeepsOrderAndCharacters(out, text)) {
        fuzz::Fail("a character that the text does not hold, or out of order");
    }
    if (written && out != rst.shown) {
        fuzz::Fail("the written reStructuredText shows other lines than it should");
    }
    return 0;
}
