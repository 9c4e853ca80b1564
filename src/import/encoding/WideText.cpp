#include "import/encoding/WideText.h"

#include <cstring>

#include "base/UnicodeSequences.h"
#include "import/text/DropLoneLeadByte.h"
#include "platform/CodePageConversion.h"

namespace zandrel {
namespace {

using Kind = TextEncoding::Kind;

// The bytes at the end that start a well-formed sequence but stop before its
// end: a character that the read cut off. A sequence that could never be
// completed (a byte that starts none, or a second byte out of its lead's range)
// is invalid instead, and is left to become the default character.
std::size_t CutOffTail(const unsigned char* begin, const unsigned char* end) noexcept
{
    const auto length = static_cast<std::size_t>(end - begin);
    for (std::size_t tail = 1; tail <= 3 && tail <= length; ++tail) {
        const unsigned char* const lead = end - tail;
        if (IsUtf8Continuation(*lead)) {
            continue;
        }
        const bool cutOff =
            tail < Utf8SequenceLength(*lead) && (tail == 1 || Utf8SecondByteFits(*lead, lead[1]));
        return cutOff ? tail : 0;
    }
    return 0;
}

std::size_t TakeUtf8(const unsigned char* begin, const unsigned char* end,
                     WideTextBuffer& wide) noexcept
{
    if (const void* zero = std::memchr(begin, 0, static_cast<std::size_t>(end - begin))) {
        end = static_cast<const unsigned char*>(zero);
    } else {
        end -= CutOffTail(begin, end);
    }
    return Utf8ToWide(reinterpret_cast<const char*>(begin), static_cast<std::size_t>(end - begin),
                      wide.data(), wide.size());
}

// Assembles the code units in the machine's order. A lone last byte is half a
// unit, and a high surrogate last has lost its pair to the read: both are
// dropped. A lone surrogate anywhere else stays, for the conversion to replace.
std::size_t TakeUtf16(const unsigned char* bytes, std::size_t count, bool bigEndian,
                      WideTextBuffer& wide) noexcept
{
    const std::size_t high = bigEndian ? 0 : 1;
    const std::size_t units = count / 2;
    for (std::size_t i = 0; i < units; ++i) {
        const auto unit =
            static_cast<char16_t>((bytes[2 * i + high] << 8) | bytes[2 * i + (1 - high)]);
        if (unit == 0) {
            return i;
        }
        wide[i] = unit;
    }
    return (units > 0 && IsHighSurrogate(wide[units - 1])) ? units - 1 : units;
}

// The length of a Shift_JIS text without a last lead byte whose trail byte is
// missing: the read cut its character in two, whatever the ANSI code page.
std::size_t WholeShiftJisCharacters(const char* bytes, std::size_t count) noexcept
{
    std::size_t at = 0;
    while (at < count) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        if (lead && at + 1 == count) {
            return at;
        }
        at += lead ? 2 : 1;
    }
    return count;
}

std::size_t TakeCodePage(ReadBuffer& text, std::size_t bytesRead, TextCodePage codePage,
                         WideTextBuffer& wide) noexcept
{
    if (codePage == TextCodePage::Ansi) {
        DropLoneLeadByte(text.data());
    }
    std::size_t count = strnlen(text.data(), bytesRead);
    if (codePage == TextCodePage::ShiftJis) {
        count = WholeShiftJisCharacters(text.data(), count);
    }
    return CodePageToWide(codePage, text.data(), count, wide.data(), wide.size());
}

} // namespace

std::size_t DecodeToWide(ReadBuffer& text, std::size_t bytesRead, const TextEncoding& encoding,
                         WideTextBuffer& wide) noexcept
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t skip = encoding.skip < bytesRead ? encoding.skip : bytesRead;
    switch (encoding.kind) {
    case Kind::Utf8:
        return TakeUtf8(bytes + skip, bytes + bytesRead, wide);
    case Kind::Utf16LittleEndian:
    case Kind::Utf16BigEndian:
        return TakeUtf16(bytes + skip, bytesRead - skip, encoding.kind == Kind::Utf16BigEndian,
                         wide);
    case Kind::CodePage:
        return TakeCodePage(text, bytesRead, encoding.codePage, wide);
    case Kind::Oem:
        return OemToWide(text.data(), strnlen(text.data(), bytesRead), wide.data(), wide.size());
    case Kind::AsRead:
    case Kind::ReaderDecodes:
        break;
    }
    return 0;
}

// The bytes read are all in the wide text now: the result can take their place.
void EncodeToAnsi(ReadBuffer& text, const char16_t* wide, std::size_t units,
                  Unmappable unmappable) noexcept
{
    const std::size_t length = WideToAnsi(wide, units, text.data(), ReadLimit, unmappable);
    text[length] = '\0';
}

} // namespace zandrel
