#pragma once
// Searches of UTF-16 text for one unit or a line break, four units at a time:
// most of a text is none of what a reader looks for, and a 64-bit word tells
// whether any of its four units is one before they are looked at one by one.

#include <cstdint>
#include <cstring>

namespace zandrel {

namespace unit_scan {

constexpr std::uint64_t Lanes = 0x0001000100010001u;
constexpr std::uint64_t HighBits = 0x8000800080008000u;

inline std::uint64_t Load(const char16_t* p) noexcept
{
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    return word;
}

// Whether any of the word's units is below `limit` (at most 0x8000).
constexpr bool AnyBelow(std::uint64_t word, std::uint16_t limit) noexcept
{
    return ((word - Lanes * limit) & ~word & HighBits) != 0;
}

constexpr bool AnyZero(std::uint64_t word) noexcept
{
    return AnyBelow(word, 1);
}

// Whether any unit of either word is below `limit`: eight units a test.
constexpr bool AnyBelow(std::uint64_t a, std::uint64_t b, std::uint16_t limit) noexcept
{
    return ((((a - Lanes * limit) & ~a) | ((b - Lanes * limit) & ~b)) & HighBits) != 0;
}

} // namespace unit_scan

// The first `unit` in [p, end), or `end`.
inline const char16_t* FindUnit(const char16_t* p, const char16_t* end, char16_t unit) noexcept
{
    using namespace unit_scan;
    const std::uint64_t pattern = Lanes * unit;
    while (end - p >= 8 && !AnyBelow(Load(p) ^ pattern, Load(p + 4) ^ pattern, 1)) {
        p += 8;
    }
    while (end - p >= 4 && !AnyZero(Load(p) ^ pattern)) {
        p += 4;
    }
    while (p < end && *p != unit) {
        ++p;
    }
    return p;
}

// The first LF or CR in [p, end), or `end`.
inline const char16_t* FindLineBreak(const char16_t* p, const char16_t* end) noexcept
{
    for (;;) {
        // Units below 14 are rare: the controls, TAB, LF, VT, FF and CR.
        using namespace unit_scan;
        while (end - p >= 8 && !AnyBelow(Load(p), Load(p + 4), 14)) {
            p += 8;
        }
        while (end - p >= 4 && !AnyBelow(Load(p), 14)) {
            p += 4;
        }
        const char16_t* const stop = end - p >= 4 ? p + 4 : end;
        for (; p < stop; ++p) {
            if (*p == u'\n' || *p == u'\r') {
                return p;
            }
        }
        if (p == end) {
            return p;
        }
    }
}

} // namespace zandrel
