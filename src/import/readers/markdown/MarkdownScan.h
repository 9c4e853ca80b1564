#pragma once
// The searches that the reader's passes over a whole line or text make (a line
// break, a pipe): eight units at a time in two 64-bit words, the words that
// hold none passed over at once.

#include <cstdint>
#include <cstring>

namespace zandrel::markdown {

namespace scan {

constexpr std::uint64_t Lanes = 0x0001000100010001ull;
constexpr std::uint64_t HighBits = 0x8000800080008000ull;

} // namespace scan

// The first unit of [p, end) that is `c`, or `end`.
inline const char16_t* FindUnit(const char16_t* p, const char16_t* end, char16_t c) noexcept
{
    const std::uint64_t cs = scan::Lanes * c;
    while (end - p >= 8) {
        std::uint64_t first = 0;
        std::uint64_t second = 0;
        std::memcpy(&first, p, sizeof first);
        std::memcpy(&second, p + 4, sizeof second);
        first ^= cs;
        second ^= cs;
        const std::uint64_t zero =
            ((first - scan::Lanes) & ~first) | ((second - scan::Lanes) & ~second);
        if ((zero & scan::HighBits) != 0) {
            while (*p != c) { // one of these eight is `c`
                ++p;
            }
            return p;
        }
        p += 8;
    }
    while (p < end && *p != c) {
        ++p;
    }
    return p;
}

// The first line break (LF or CR) of [p, end), or `end`. A word passes at once
// where no unit of it is below U+000E; one that holds a tab or another
// control is looked at unit by unit.
inline const char16_t* FindLineBreak(const char16_t* p, const char16_t* end) noexcept
{
    for (;;) {
        while (end - p >= 8) {
            std::uint64_t first = 0;
            std::uint64_t second = 0;
            std::memcpy(&first, p, sizeof first);
            std::memcpy(&second, p + 4, sizeof second);
            const std::uint64_t low =
                ((first - scan::Lanes * 0x0E) & ~first) | ((second - scan::Lanes * 0x0E) & ~second);
            if ((low & scan::HighBits) != 0) {
                break;
            }
            p += 8;
        }
        const char16_t* const stop = end - p > 8 ? p + 8 : end;
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

} // namespace zandrel::markdown
