// The reStructuredText reader over fuzzed wide text, in a heap block of exactly
// its size, so that AddressSanitizer reports a read or write past the count.
// What it gives is never longer than what it got, holds no line break but LF
// and no line that shows nothing. A text without ASCII punctuation, which is
// all that reStructuredText's markup is made of, gives its own lines that show
// something, without the blanks at their ends. A text without '|', which alone
// brings in a substitution's text, gives only characters it holds, in their
// order (line breaks and the TABs between table cells aside).
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zandrel;
    if (size < 1) {
        return 0;
    }
    // Bit 0 of the mode: ASCII punctuation becomes letters, so that the text
    // holds no markup; bit 1: '|' becomes a blank.
    const bool plain = (data[0] & 1) != 0;
    const bool noBars = (data[0] & 2) != 0;
    Text text;
    for (std::size_t i = 1; i < size && text.size() < WideTextUnits; ++i) {
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
    return 0;
}
