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

// What a browser shows for the character `code` that a reference stands for,
// in a page whose markup makes the lines: the character itself, but for the
// controls. TAB and LF stay, to show as the white space they are, and an LF as
// a line break where lines are kept (<pre>); CR and FF show as a space, as
// a browser draws a CR that no line break of the page stands for. The other
// C0 and C1 controls and DEL show nothing, as in a browser, and give 0: a
// mark of U+FFFD (a '?' in most code pages) would stand for nothing the page
// shows.
[[nodiscard]] char32_t ShownInPage(char32_t code) noexcept;

// The same in a line that the markup around the reference already made, as in
// Markdown's paragraphs: every white space a reference stands for is a space.
[[nodiscard]] char32_t ShownInLine(char32_t code) noexcept;

// Writes `code` as one UTF-16 code unit, or two for a character past U+FFFF,
// and returns the number written. No reference is shorter than what it gives.
std::size_t WriteUtf16(char32_t code, char16_t* out) noexcept;

} // namespace zandrel
