#pragma once
// The one trip a converted text takes: decoded into the wide buffer, worked on
// there by the chosen reader, and encoded back into the read buffer as ANSI.

#include <cstddef>

#include "import/ImportLimits.h"
#include "import/encoding/TextEncoding.h"

namespace zandrel {

// Decodes the text that the read left in `text` (`bytesRead` bytes and a zero)
// as `encoding` says into `wide`; returns the number of code units written.
// The text ends at the first zero byte (a zero code unit in UTF-16), else at
// the end of the bytes read, where a character that the read cut off is
// dropped: a UTF-8 sequence, a lone UTF-16 byte or high surrogate, a Shift_JIS
// lead byte, or (in the ANSI code page) a lead byte of a double-byte code page,
// which is cut from `text` itself. An invalid sequence is left to become a
// replacement character. AsRead and ReaderDecodes write nothing and give 0; so
// does an OEM text that the platform refused to convert.
std::size_t DecodeToWide(ReadBuffer& text, std::size_t bytesRead, const TextEncoding& encoding,
                         WideTextBuffer& wide) noexcept;

// Puts `units` code units of wide text, converted to the ANSI code page, in
// place of the whole text, zero-terminated: whole characters, at most
// ReadLimit bytes. A character the code page lacks becomes what `unmappable`
// says (WideToAnsi).
void EncodeToAnsi(ReadBuffer& text, const char16_t* wide, std::size_t units,
                  Unmappable unmappable) noexcept;

} // namespace zandrel
