#pragma once

#include <cstddef>

#include "import/ImportLimits.h"

namespace zandrel {

// Turns the text that the read left in `text` (`bytesRead` bytes and a zero)
// into ANSI text, in place, judging by its bytes and by `name`, the name of the
// file it came from:
// - a web page, a Markdown or a reStructuredText file (ChooseTextReader): its text, without the
//   markup (ConvertMarkupText);
// - a byte-order mark: UTF-8 or UTF-16, converted (ConvertMarkedText);
// - else well-formed UTF-8 with a character of more than one byte: converted
//   like marked UTF-8, unless the ANSI code page is UTF-8 itself;
// - else a .DIZ or .NFO file: converted from the OEM code page;
// - else, and for plain ASCII, left exactly as read.
void ConvertReadText(ReadBuffer& text, std::size_t bytesRead, const char* name) noexcept;

} // namespace zandrel
