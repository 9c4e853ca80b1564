#include "import/encoding/Utf8WellFormed.h"

#include <cstdint>
#include <cstring>

#include "base/UnicodeSequences.h"

namespace zandrel {
namespace {

// The number of leading bytes that are ASCII and not zero, found eight at a
// time: most description files are ASCII throughout, and every import asks.
std::size_t AsciiRun(const unsigned char* bytes, std::size_t count) noexcept
{
    constexpr std::uint64_t Ones = 0x0101010101010101;
    constexpr std::uint64_t HighBits = 0x8080808080808080;
    std::size_t at = 0;
    for (; at + 8 <= count; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, bytes + at, 8);
        // A byte of 0x80 or more, or a zero byte (the classic test for one).
        if (((word | ((word - Ones) & ~word)) & HighBits) != 0) {
            break;
        }
    }
    while (at < count && bytes[at] != 0 && bytes[at] < 0x80) {
        ++at;
    }
    return at;
}

} // namespace

bool HoldsWellFormedUtf8(const char* text, std::size_t count) noexcept
{
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    bool multiByte = false;
    std::size_t at = AsciiRun(bytes, count);
    while (at < count && bytes[at] != 0) {
        const unsigned char lead = bytes[at];
        const std::size_t length = Utf8SequenceLength(lead);
        if (length == 0) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if (at + k == count) {
                return multiByte; // cut off by the read
            }
            const unsigned char next = bytes[at + k];
            if (k == 1 ? !Utf8SecondByteFits(lead, next) : !IsUtf8Continuation(next)) {
                return false; // a zero byte fits neither
            }
        }
        multiByte = multiByte || length > 1;
        at += length;
        at += AsciiRun(bytes + at, count - at);
    }
    return multiByte;
}

} // namespace zandrel
