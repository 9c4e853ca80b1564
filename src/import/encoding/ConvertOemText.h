#pragma once

#include "import/ImportLimits.h"

namespace zandrel {

// Whether the file named `name` holds text in the OEM code page: a FILE_ID.DIZ
// or a .NFO file, as DOS programs wrote them. The name's ending decides, in
// any case.
[[nodiscard]] bool NamesOemText(const char* name) noexcept;

// Converts the text in `text`, up to its zero, from the OEM to the ANSI code
// page in place, as OemToCharBuffA does: letters stay the same letters, and a
// character the ANSI code page lacks, such as a frame's corner, becomes a
// look-alike. Nothing changes when the two code pages are the same. A
// single-byte ANSI code page keeps the length; another gets whole characters
// within ReadLimit bytes.
void ConvertOemText(ReadBuffer& text) noexcept;

} // namespace zandrel
