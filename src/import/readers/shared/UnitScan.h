#pragma once
// Searches of UTF-16 text for one unit or a line break, four units at a time:
// most of a text is none of what a reader looks for, and a 64-bit word tells
// whether any of its four units is one, and which is first, without a branch
// per unit.

#include <bit>
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

// The high bit of each lane that holds zero: the lowest one set marks the
// first such lane exactly (a borrow runs only towards higher lanes, where it
// may mark one more).
constexpr std::uint64_t ZeroLanes(std::uint64_t word) noexcept
{
    return (word - Lanes) & ~word & HighBits;
}

// Whether any of the word's units is below `limit` (at most 0x8000).
constexpr bool AnyBelow(std::uint64_t word, std::uint16_t limit) noexcept
{
    return ((word - Lanes * limit) & ~word & HighBits) != 0;
}

// Whether the lowest lane marked is the first unit's: on a little-endian
// machine; elsewhere the units of the word are looked at one by one.
constexpr bool LowLaneFirst = std::endian::native == std::endian::little;

// The unit whose lane holds the lowest bit of `lanes`, which is not 0.
inline const char16_t* FirstMarked(const char16_t* p, std::uint64_t lanes) noexcept
{
    return p + std::countr_zero(lanes) / 16;
}

} // namespace unit_scan

// The first `unit` in [p, end), or `end`.
inline const char16_t* FindUnit(const char16_t* p, const char16_t* end, char16_t unit) noexcept
{
    using namespace unit_scan;
    const std::uint64_t pattern = Lanes * unit;
    for (; end - p >= 8; p += 8) {
        const std::uint64_t low = ZeroLanes(Load(p) ^ pattern);
        const std::uint64_t high = ZeroLanes(Load(p + 4) ^ pattern);
        if ((low | high) != 0) {
            if constexpr (LowLaneFirst) {
                return low != 0 ? FirstMarked(p, low) : FirstMarked(p + 4, high);
            }
            break;
        }
    }
    while (p < end && *p != unit) {
        ++p;
    }
    return p;
}

// The first LF or CR in [p, end), or `end`.
inline const char16_t* FindLineBreak(const char16_t* p, const char16_t* end) noexcept
{
    using namespace unit_scan;
    constexpr std::uint64_t Lf = Lanes * u'\n';
    constexpr std::uint64_t Cr = Lanes * u'\r';
    for (; end - p >= 4; p += 4) {
        const std::uint64_t word = Load(p);
        // Units below 14 are rare: the controls, TAB, LF, VT, FF and CR.
        if (!AnyBelow(word, 14)) {
            continue;
        }
        if (const std::uint64_t breaks = ZeroLanes(word ^ Lf) | ZeroLanes(word ^ Cr)) {
            if constexpr (LowLaneFirst) {
                return FirstMarked(p, breaks);
            }
            break;
        }
    }
    while (p < end && *p != u'\n' && *p != u'\r') {
        ++p;
    }
    return p;
}

} // namespace zandrel
