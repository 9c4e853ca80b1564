// The Rich Text reader over fuzzed bytes, in a heap block of exactly their
// size and an output block of exactly as many units, so that AddressSanitizer
// reports any read past the bytes or write past the room. Invariants: the
// text is never longer than the bytes; it holds no control character but LF
// and TAB, no empty line and no blank at either end of a line; with less room
// it is the start of the same text; and bytes without a backslash or brace
// are plain text: the restatement below, which takes raw line breaks as no
// text and the upper half as windows-1252.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "FuzzInput.h"
#include "base/Windows1252.h"
#include "import/readers/rtf/RichText.h"

namespace {

using namespace zandrel;

std::u16string Read(const std::uint8_t* data, std::size_t size, std::size_t capacity)
{
    auto bytes = std::make_unique<char[]>(size);
    std::memcpy(bytes.get(), data, size);
    auto wide = std::make_unique<char16_t[]>(capacity);
    const std::size_t length = RichTextToWide(bytes.get(), size, wide.get(), capacity);
    if (length > capacity) {
        fuzz::Fail("the text is longer than its room");
    }
    return std::u16string(wide.get(), length);
}

bool IsControl(char16_t c)
{
    return (c < 0x20 && c != u'\n' && c != u'\t') || (c >= 0x7F && c <= 0x9F) || c == 0xFFFC;
}

bool IsBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

void CheckLines(const std::u16string& text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (IsControl(text[i])) {
            fuzz::Fail("a control character is left");
        }
        const bool lineStart = i == 0 || text[i - 1] == u'\n';
        const bool lineEnd = i + 1 == text.size() || text[i + 1] == u'\n';
        if (text[i] == u'\n' && (lineStart || lineEnd)) {
            fuzz::Fail("an empty line");
        }
        if (IsBlank(text[i]) && (lineStart || lineEnd)) {
            fuzz::Fail("a blank at the start or end of a line");
        }
    }
}

// Plain bytes as a word processor shows them: one line (a raw line break is
// no text), without controls, trimmed.
std::u16string PlainText(const std::uint8_t* data, std::size_t size)
{
    std::u16string text;
    for (std::size_t i = 0; i < size; ++i) {
        char16_t c = data[i];
        if (c >= 0x80 && c <= 0x9F) {
            c = Windows1252High[c - 0x80];
        }
        if (c != 0 && !IsControl(c) && c != u'\n') {
            text += c;
        }
    }
    const std::size_t first = text.find_first_not_of(u" \t");
    if (first == std::u16string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(u" \t") - first + 1);
}

// One piece of a written document: its Rich Text, and what a word processor
// shows of it. A control word ends in the one space that delimits it.
struct Piece {
    const char* rtf;
    const char16_t* shows;
};

// clang-format off
const Piece Pieces[] = {
    {" keel", u" keel"},
    {" mast", u" mast"},
    {" ", u" "},
    {"\\par ", u"\n"},
    {"\\line ", u"\n"},
    {"\\tab ", u"\t"},
    {"\\'e9", u"\u00E9"},
    {"\\'93", u"\u201C"},
    {"\\'80", u"\u20AC"},
    {"\\u8212?", u"\u2014"},
    {"\\u-24?", u"\uFFE8"},
    {"\\~", u"\u00A0"},
    {"\\emdash ", u"\u2014"},
    {"\\lquote ", u"\u2018"},
    {"\\bullet ", u"\u2022"},
    {"\\\\", u"\\"},
    {"\\{", u"{"},
    {"\\}", u"}"},
    {"{\\*\\foo hidden}", u""},
    {"{\\colortbl;\\red0\\green0\\blue0;}", u""},
    {"{\\v hidden}", u""},
    {"{\\b bold}", u"bold"},
    {"{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt shown}}", u"shown"},
    {"\\b0 ", u""},
};
// clang-format on

// The lines a word processor shows: each trimmed of blanks, empty ones gone.
std::u16string ShownLines(const std::u16string& text)
{
    std::u16string lines;
    std::size_t from = 0;
    while (from <= text.size()) {
        std::size_t to = text.find(u'\n', from);
        to = to == std::u16string::npos ? text.size() : to;
        const std::size_t first = text.find_first_not_of(u" \t", from);
        if (first != std::u16string::npos && first < to) {
            const std::size_t last = text.find_last_not_of(u" \t", to - 1);
            lines += (lines.empty() ? u"" : u"\n") + text.substr(first, last - first + 1);
        }
        from = to + 1;
    }
    return lines;
}

// A first byte of 1: each byte after it is one piece of a document the target
// writes itself, whose shown lines it knows.
void CheckWrittenDocument(const std::uint8_t* data, std::size_t size)
{
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0 ";
    std::u16string shows;
    for (std::size_t i = 1; i < size; ++i) {
        const Piece& piece = Pieces[data[i] % std::size(Pieces)];
        rtf += piece.rtf;
        shows += piece.shows;
    }
    rtf += "}";
    if (Read(reinterpret_cast<const std::uint8_t*>(rtf.data()), rtf.size(), rtf.size()) !=
        ShownLines(shows)) {
        fuzz::Fail("the written document shows other lines than it should");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > 0 && data[0] == 1 && size <= 512) {
        CheckWrittenDocument(data, size);
        return 0;
    }
    if (size > 8192) {
        return 0;
    }
    const std::u16string text = Read(data, size, size);
    CheckLines(text);
    const std::u16string start = Read(data, size, size / 2);
    if (text.compare(0, start.size(), start) != 0) {
        fuzz::Fail("with less room the text is not the start of the same text");
    }
    if (std::memchr(data, '\\', size) == nullptr && std::memchr(data, '{', size) == nullptr &&
        std::memchr(data, '}', size) == nullptr && text != PlainText(data, size)) {
        fuzz::Fail("plain bytes give another text than the restatement's");
    }
    return 0;
}
