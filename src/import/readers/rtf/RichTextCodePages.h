#pragma once

namespace zandrel {

// The code page that stands for a symbol font (\fcharset2): its bytes are
// glyphs, not characters of any code page.
inline constexpr unsigned SymbolCodePage = 42;

// The Windows code page of the font character set `charset` (\fcharsetN);
// 0 where the document's code page serves: the default character set (1) and
// any the table does not know.
[[nodiscard]] unsigned CodePageOfCharset(long charset) noexcept;

// Whether `codePage` is a double-byte code page whose lead bytes the reader
// pairs with the byte after them.
[[nodiscard]] bool IsDoubleByteCodePage(unsigned codePage) noexcept;

// Whether `byte` starts a character of two bytes in `codePage`.
[[nodiscard]] bool IsLeadByte(unsigned codePage, unsigned char byte) noexcept;

// What a symbol font's `byte` shows: the bullet of a list (Symbol's 0xB7 and
// Wingdings' small square 0xA7); 0 for every other glyph, which has no sure
// character (Symbol's Greek letters and Wingdings' pictures share the bytes).
[[nodiscard]] char16_t SymbolCharacter(unsigned char byte) noexcept;

} // namespace zandrel
