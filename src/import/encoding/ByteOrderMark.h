#pragma once
// The byte-order marks a text may start with. The one place that knows them:
// the choice of a reader looks past a mark with it, the encoding decides by it.

#include <cstddef>

namespace zandrel {

enum class ByteOrderMark : unsigned char { None, Utf8, Utf16LittleEndian, Utf16BigEndian };

// The mark at the start of the `count` bytes: EF BB BF, FF FE or FE FF.
[[nodiscard]] constexpr ByteOrderMark ByteOrderMarkAt(const unsigned char* bytes,
                                                      std::size_t count) noexcept
{
    if (count >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF) {
        return ByteOrderMark::Utf8;
    }
    if (count >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) {
        return ByteOrderMark::Utf16LittleEndian;
    }
    if (count >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) {
        return ByteOrderMark::Utf16BigEndian;
    }
    return ByteOrderMark::None;
}

// The mark's length in bytes.
[[nodiscard]] constexpr std::size_t ByteOrderMarkLength(ByteOrderMark mark) noexcept
{
    switch (mark) {
    case ByteOrderMark::Utf8:
        return 3;
    case ByteOrderMark::Utf16LittleEndian:
    case ByteOrderMark::Utf16BigEndian:
        return 2;
    case ByteOrderMark::None:
        break;
    }
    return 0;
}

} // namespace zandrel
