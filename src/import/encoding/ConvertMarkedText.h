#pragma once

#include <cstddef>

#include "import/ImportLimits.h"

namespace zandrel {

// Converts a text that starts with a byte-order mark to the ANSI code page, in
// place: EF BB BF is UTF-8, FF FE UTF-16 little-endian, FE FF UTF-16
// big-endian. `bytesRead` is the number of bytes that the read put into `text`;
// the zero after them is not needed. The content after the mark ends at the
// first zero byte (UTF-8) or zero code unit (UTF-16), else at the end of the
// bytes read, where a character that the read cut off is dropped. The result
// replaces the text, zero-terminated: at most ReadLimit bytes, whole
// characters only. A text without a mark is left exactly as it is. Returns
// whether the text had a mark.
bool ConvertMarkedText(ReadBuffer& text, std::size_t bytesRead) noexcept;

// Converts the UTF-8 text that starts at byte `start` of `text` as a text with
// the UTF-8 mark is converted, and puts the result in place of the whole text.
void ConvertUtf8Text(ReadBuffer& text, std::size_t start, std::size_t bytesRead) noexcept;

// The decoding steps of the two above, for readers that work on the wide text
// before it becomes ANSI. MarkedTextToWide decodes a text with a byte-order
// mark into `wide` and gives its length in `units`; without a mark it returns
// false and writes nothing. Utf8TextToWide decodes from byte `start` and
// returns the length.
bool MarkedTextToWide(const ReadBuffer& text, std::size_t bytesRead, WideTextBuffer& wide,
                      std::size_t& units) noexcept;
std::size_t Utf8TextToWide(const ReadBuffer& text, std::size_t start, std::size_t bytesRead,
                           WideTextBuffer& wide) noexcept;

// Puts `units` code units of wide text, converted to the ANSI code page, in
// place of the whole text, zero-terminated: whole characters, at most
// ReadLimit bytes.
void ReplaceWithAnsi(ReadBuffer& text, const char16_t* wide, std::size_t units) noexcept;

} // namespace zandrel
