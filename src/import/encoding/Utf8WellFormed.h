#pragma once

#include <cstddef>

namespace zandrel {

// Whether a text without a byte-order mark reads as UTF-8: its bytes up to the
// first zero, or all `count` of them, are well-formed UTF-8 (no overlong form,
// no surrogate, nothing above U+10FFFF) and hold at least one whole character
// of more than one byte. A plain ASCII text does not. A character that the end
// of the `count` bytes cuts off is allowed, since the read may have stopped
// inside it; one cut off by a zero is not.
[[nodiscard]] bool HoldsWellFormedUtf8(const char* text, std::size_t count) noexcept;

} // namespace zandrel
