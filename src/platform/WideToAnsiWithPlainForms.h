#pragma once

#include <cstddef>

namespace zandrel {

// WideToAnsi for a text that holds a character the ANSI code page lacks. Such
// a character becomes, in this order: the base of its canonical decomposition
// where the code page has that (its combining marks dropped); its plain form
// (PlainForms.h); the default character '?'. A character that the code page
// has stays itself. Writes whole characters and whole plain forms only, as
// many as fit into `capacity` bytes, and no terminating zero; returns the
// number of bytes written.
std::size_t WideToAnsiWithPlainForms(const char16_t* wide, std::size_t units, char* ansi,
                                     std::size_t capacity) noexcept;

} // namespace zandrel
