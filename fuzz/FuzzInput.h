#pragma once
// Shared set-up of the fuzz targets: the first input byte picks the code page,
// and texts are copied into heap blocks of exactly their size, so that
// AddressSanitizer reports any read past the terminating zero.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "base/StepChar.h"

namespace zandrel::fuzz {

// Bit 0 of the mode byte: a Shift-JIS-like double-byte code page (lead bytes
// 0x81-0x9F, 0xE0-0xFC), else single-byte.
inline void SetCodePageFromMode(std::uint8_t mode)
{
    const unsigned char shiftJis[12] = {0x81, 0x9F, 0xE0, 0xFC};
    const unsigned char none[12] = {};
    if (mode & 1) {
        SetCodePageFacts(true, shiftJis);
    } else {
        SetCodePageFacts(false, none);
    }
}

struct HeapText {
    std::unique_ptr<char[]> bytes;
    std::size_t length = 0; // up to the first zero
};

// The bytes up to the first zero (or all of them), zero-terminated, in a block
// of exactly that size.
inline HeapText CopyAsText(const std::uint8_t* data, std::size_t size, std::size_t limit)
{
    std::size_t length = 0;
    while (length < size && length < limit && data[length] != 0) {
        ++length;
    }
    HeapText text{std::make_unique<char[]>(length + 1), length};
    std::memcpy(text.bytes.get(), data, length);
    text.bytes[length] = '\0';
    return text;
}

[[noreturn]] inline void Fail(const char* what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

} // namespace zandrel::fuzz
