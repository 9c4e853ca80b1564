#pragma once

#include <cstddef>

namespace zandrel {

// Removes TAB, LF, CR, SUB and SPACE from the end of a zero-terminated text of
// `length` bytes, in place, and returns the new length. The form follows
// DbcsEnabled.
std::size_t TrimTrailingWhiteSpace(char* text, std::size_t length) noexcept;

// Single-byte form: walks back from the last byte over the white space.
std::size_t TrimTrailingWhiteSpaceSingleByte(char* text, std::size_t length) noexcept;

// Double-byte form: walks forward with StepChar and cuts after the last
// character whose first byte is not white space, so a trail byte is never taken
// for white space (and a lead byte keeps the CR or LF that follows it).
std::size_t TrimTrailingWhiteSpaceDoubleByte(char* text) noexcept;

} // namespace zandrel
