#include "import/encoding/ConvertMarkedText.h"

#include <cstring>

#include "base/UnicodeSequences.h"
#include "platform/CodePageConversion.h"

namespace zandrel {
namespace {

enum class Mark { None, Utf8, Utf16LittleEndian, Utf16BigEndian };

Mark MarkOf(const unsigned char* bytes, std::size_t count) noexcept
{
    if (count >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        return Mark::Utf8;
    }
    if (count >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        return Mark::Utf16LittleEndian;
    }
    if (count >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
        return Mark::Utf16BigEndian;
    }
    return Mark::None;
}

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

} // namespace

// The bytes read are all in `wide` now: the result can take their place.
void ReplaceWithAnsi(ReadBuffer& text, const char16_t* wide, std::size_t units) noexcept
{
    const std::size_t length = WideToAnsi(wide, units, text.data(), ReadLimit);
    text[length] = '\0';
}

bool MarkedTextToWide(const ReadBuffer& text, std::size_t bytesRead, WideTextBuffer& wide,
                      std::size_t& units) noexcept
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    const Mark mark = MarkOf(bytes, bytesRead);
    if (mark == Mark::None) {
        return false;
    }
    units = mark == Mark::Utf8
                ? Utf8TextToWide(text, 3, bytesRead, wide)
                : TakeUtf16(bytes + 2, bytesRead - 2, mark == Mark::Utf16BigEndian, wide);
    return true;
}

std::size_t Utf8TextToWide(const ReadBuffer& text, std::size_t start, std::size_t bytesRead,
                           WideTextBuffer& wide) noexcept
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    return TakeUtf8(bytes + start, bytes + bytesRead, wide);
}

namespace {

// Out of line, so that the wide text takes no stack in imports of unmarked text.
[[gnu::noinline]] void ConvertTextWithMark(ReadBuffer& text, std::size_t bytesRead) noexcept
{
    WideTextBuffer wide; // written up to the count the decoding gives
    std::size_t units = 0;
    MarkedTextToWide(text, bytesRead, wide, units);
    ReplaceWithAnsi(text, wide.data(), units);
}

} // namespace

bool ConvertMarkedText(ReadBuffer& text, std::size_t bytesRead) noexcept
{
    if (MarkOf(reinterpret_cast<const unsigned char*>(text.data()), bytesRead) == Mark::None) {
        return false;
    }
    ConvertTextWithMark(text, bytesRead);
    return true;
}

void ConvertUtf8Text(ReadBuffer& text, std::size_t start, std::size_t bytesRead) noexcept
{
    WideTextBuffer wide; // written up to the count the decoding gives
    ReplaceWithAnsi(text, wide.data(), Utf8TextToWide(text, start, bytesRead, wide));
}

} // namespace zandrel
