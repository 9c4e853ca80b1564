#pragma once
// The fixed sizes of the import. Everything on the import path lives in
// buffers of these sizes for the one call; nothing is allocated.

#include <array>
#include <cstddef>

namespace zandrel {

// At most this many bytes are read from the start of a file, in one request.
inline constexpr std::size_t ReadLimit = 4095;
// The read buffer: the bytes read and the zero after them.
inline constexpr std::size_t ReadBufferSize = ReadLimit + 1;

// The host's Description buffer is written with at most this many bytes, the
// terminating zero included: 4,095 text bytes, as the setup dialog promises.
inline constexpr std::size_t DescriptionCapacity = 4096;

// The longest normalised text that ReadLimit bytes give: 2,048 one-byte lines
// between single line breaks, each break turned into CR LF. On a double-byte
// code page a lead byte read last keeps the CR after it: one byte more.
inline constexpr std::size_t NormalisedMaximum = 6142;
// The normaliser's working text: before its final trim it also holds the CR LF
// after the last line (6,144 bytes at most), and the zero.
inline constexpr std::size_t NormalisedBufferSize = NormalisedMaximum + 2 + 1;

// The wide text of a converted file: UTF-8 and a single-byte OEM code page
// give at most one code unit per byte, UTF-16 half as many.
inline constexpr std::size_t WideTextUnits = ReadLimit;

using ReadBuffer = std::array<char, ReadBufferSize>;
using NormalisedBuffer = std::array<char, NormalisedBufferSize>;
using WideTextBuffer = std::array<char16_t, WideTextUnits>;

} // namespace zandrel
