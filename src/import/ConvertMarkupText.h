#pragma once

#include <cstddef>

#include "import/ChooseTextReader.h"
#include "import/ImportLimits.h"

namespace zandrel {

// Turns a web page, a Markdown or a reStructuredText file (`reader`) into the ANSI text it shows,
// in place. The bytes are decoded first: by their byte-order mark, else (a web
// page) by the charset its <meta> names, else as UTF-8 when they are
// well-formed UTF-8, else in the ANSI code page; up to the first zero, without
// a character the read cut off. The reader then works on the wide text, which
// becomes ANSI as marked text does.
void ConvertMarkupText(ReadBuffer& text, std::size_t bytesRead, TextReader reader) noexcept;

} // namespace zandrel
