#pragma once
// Character references, as HTML writes them and Markdown takes them over:
// "&name;", "&#decimal;" and "&#xhex;".

#include <cstddef>

namespace zandrel {

// The reference that starts at `at` (an '&') and ends before `end`: returns the
// number of code units it spans, with the character it stands for in `code`;
// returns 0, leaving `code` alone, where none starts there: a bare '&' ("AT&T"),
// a name that is not HTML's, or no closing ';'. A numeric reference to nothing
// (0, a surrogate, past U+10FFFF) stands for U+FFFD; one to 128 to 159 stands
// for the windows-1252 character of that byte, as browsers show it.
[[nodiscard]] std::size_t DecodeCharacterReference(const char16_t* at, const char16_t* end,
                                                   char32_t& code) noexcept;

// Writes `code` as one UTF-16 code unit, or two for a character past U+FFFF,
// and returns the number written. No reference is shorter than what it gives.
std::size_t WriteUtf16(char32_t code, char16_t* out) noexcept;

} // namespace zandrel
