#pragma once
// The platform's conversions for description files that start with a
// byte-order mark. On Windows MultiByteToWideChar and WideCharToMultiByte;
// elsewhere a stand-in whose ANSI code page is single-byte Latin-1, every
// character above U+00FF becoming '?'. Neither fails on a bad sequence, and
// neither allocates.

#include <cstddef>

namespace zandrel {

// Converts `bytes` bytes of UTF-8 into at most `capacity` UTF-16 code units; an
// invalid sequence becomes U+FFFD. Returns the number of units written. A
// capacity of `bytes` units is always enough.
std::size_t Utf8ToWide(const char* utf8, std::size_t bytes, char16_t* wide,
                       std::size_t capacity) noexcept;

// Converts `units` UTF-16 code units into the ANSI code page. A character that
// the code page cannot show, and a lone surrogate, becomes the code page's
// default character. Writes whole characters only (never half a double-byte
// character or half a surrogate pair), as many as fit into `capacity` bytes,
// and no terminating zero. Returns the number of bytes written.
std::size_t WideToAnsi(const char16_t* wide, std::size_t units, char* ansi,
                       std::size_t capacity) noexcept;

} // namespace zandrel
