#pragma once

#include <cstddef>

namespace zandrel {

// The name of the binary format whose signature the first of the `count` bytes
// read begin with ("gzip", "zip", "MZ executable", ...), or nullptr when they
// may be text. Every byte up to `count` counts, zero bytes too (several
// signatures hold them); no byte past `count` is looked at, so a file shorter
// than a signature never matches it. Where a format's own bytes are few or
// could be letters, the bytes after them must be ones that no text puts there.
[[nodiscard]] const char* BinaryFormatAtStart(const char* bytes, std::size_t count) noexcept;

} // namespace zandrel
