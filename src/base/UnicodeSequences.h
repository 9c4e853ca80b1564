#pragma once
// The shapes of well-formed UTF-8 sequences and UTF-16 surrogates, for telling
// a character that the read cut off from one that is simply wrong.

#include <cstddef>

namespace zandrel {

[[nodiscard]] inline bool IsHighSurrogate(char16_t unit) noexcept
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

[[nodiscard]] inline bool IsLowSurrogate(char16_t unit) noexcept
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

[[nodiscard]] inline bool IsUtf8Continuation(unsigned char byte) noexcept
{
    return (byte & 0xC0) == 0x80;
}

// The length of the sequence that `lead` starts; 0 for a byte that starts none
// (a continuation byte, C0, C1 and F5 to FF).
[[nodiscard]] inline std::size_t Utf8SequenceLength(unsigned char lead) noexcept
{
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

// Whether `second` may follow `lead` in a well-formed sequence: the narrower
// ranges after E0, ED, F0 and F4 shut out overlong forms, surrogates and
// values above U+10FFFF.
[[nodiscard]] inline bool Utf8SecondByteFits(unsigned char lead, unsigned char second) noexcept
{
    switch (lead) {
    case 0xE0:
        return second >= 0xA0 && second <= 0xBF;
    case 0xED:
        return second >= 0x80 && second <= 0x9F;
    case 0xF0:
        return second >= 0x90 && second <= 0xBF;
    case 0xF4:
        return second >= 0x80 && second <= 0x8F;
    default:
        return IsUtf8Continuation(second);
    }
}

} // namespace zandrel
