#include "base/UnicodeSequences.h"
#include "platform/CodePageConversion.h"

namespace zandrel {

// Stand-in for builds without Windows. An invalid sequence becomes one U+FFFD
// for each maximal part of a well-formed sequence that it starts with, or for
// the single byte that starts none.
std::size_t Utf8ToWide(const char* utf8, std::size_t bytes, char16_t* wide,
                       std::size_t capacity) noexcept
{
    const auto* in = reinterpret_cast<const unsigned char*>(utf8);
    std::size_t at = 0;
    std::size_t out = 0;
    while (at < bytes && out < capacity) {
        const unsigned char lead = in[at];
        const std::size_t length = Utf8SequenceLength(lead);
        if (length <= 1) {
            wide[out++] = length == 1 ? lead : char16_t{0xFFFD};
            ++at;
            continue;
        }
        char32_t code = lead & (0x7F >> length);
        std::size_t taken = 1;
        while (taken < length && at + taken < bytes) {
            const unsigned char next = in[at + taken];
            if (taken == 1 ? !Utf8SecondByteFits(lead, next) : !IsUtf8Continuation(next)) {
                break;
            }
            code = (code << 6) | (next & 0x3F);
            ++taken;
        }
        if (taken < length) {
            wide[out++] = 0xFFFD;
        } else if (code < 0x10000) {
            wide[out++] = static_cast<char16_t>(code);
        } else if (out + 2 <= capacity) {
            code -= 0x10000;
            wide[out++] = static_cast<char16_t>(0xD800 + (code >> 10));
            wide[out++] = static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            break;
        }
        at += taken;
    }
    return out;
}

// Latin-1: U+0000 to U+00FF are the bytes of the same value, every other code
// unit (so each half of a surrogate pair) is '?'.
std::size_t WideToAnsi(const char16_t* wide, std::size_t units, char* ansi,
                       std::size_t capacity) noexcept
{
    std::size_t count = units < capacity ? units : capacity;
    if (count < units && count > 0 && IsHighSurrogate(wide[count - 1]) &&
        IsLowSurrogate(wide[count])) {
        --count; // never half a pair
    }
    for (std::size_t i = 0; i < count; ++i) {
        ansi[i] = wide[i] <= 0xFF ? static_cast<char>(wide[i]) : '?';
    }
    return count;
}

} // namespace zandrel
