#pragma once

#include <cstddef>

#include "import/ImportLimits.h"

namespace zandrel {

// Turns the text that the read left in `text` (`bytesRead` bytes and a zero)
// into ANSI text, in place, judging by its bytes and by `name`, the name of the
// file it came from. The reader is chosen (ChooseTextReader), then the
// encoding is decided once (DecideTextEncoding: a byte-order mark, the charset
// a web page declares, UTF-8, a .DIZ or .NFO file's OEM text, the ANSI code
// page). A text that needs neither a reader nor a conversion is left exactly
// as read; any other takes one trip through wide text: decoded, read there by
// its reader (a web page, a Markdown or a reStructuredText file gives the
// text it shows), and
// converted back to the ANSI code page.
void ConvertReadText(ReadBuffer& text, std::size_t bytesRead, const char* name) noexcept;

} // namespace zandrel
