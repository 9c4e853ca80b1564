#pragma once
// The host's Description buffer as the import tests hand it over: larger than
// any description, every byte a sentinel before the import, so that a write
// that should not happen, or one past the text, shows.

#include <cstddef>
#include <string>

#include "import/ImportLimits.h"

namespace zandrel::test {

struct HostBuffer {
    static constexpr char Sentinel = '#';
    static constexpr std::size_t Size = 2 * NormalisedBufferSize; // room to see any overrun

    std::string bytes = std::string(Size, Sentinel);

    [[nodiscard]] char* data() { return bytes.data(); }
    void Refill() { bytes.assign(Size, Sentinel); }
    [[nodiscard]] bool Untouched() const { return SentinelsFrom(0); }
    [[nodiscard]] std::string Text() const { return std::string(bytes.c_str()); }
    // Every byte after the terminating zero is still the sentinel.
    [[nodiscard]] bool NothingPastTheZero() const
    {
        const std::size_t zero = bytes.find('\0');
        return zero != std::string::npos && SentinelsFrom(zero + 1);
    }
    [[nodiscard]] bool SentinelsFrom(std::size_t offset) const
    {
        return bytes.find_first_not_of(Sentinel, offset) == std::string::npos;
    }
};

} // namespace zandrel::test
