#pragma once

#include <cstddef>

namespace zandrel {

// Fits a zero-terminated text of `length` bytes into the host's Description
// buffer (DescriptionCapacity bytes with the zero): a longer text is cut after
// the last whole character that fits, never between the two bytes of a
// double-byte character, and then loses its trailing white space as the
// normalisation's last step does. Works in place; returns the new length.
std::size_t CutToDescriptionCapacity(char* text, std::size_t length) noexcept;

} // namespace zandrel
