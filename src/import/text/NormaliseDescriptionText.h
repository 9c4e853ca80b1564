#pragma once

#include <cstddef>

#include "import/ImportLimits.h"

namespace zandrel {

// Rebuilds the zero-terminated `source` line by line into `result`: white space
// (TAB, SUB, SPACE) is cut from both ends of every line that holds anything
// else, a line of only white space stays as it is, every run of CR and LF bytes
// becomes one CR LF, and trailing white space and line breaks are removed at
// the end. Returns the length of the zero-terminated result; `source` is not
// changed. A source of up to ReadLimit bytes always fits; of a longer one only
// the lines that fit are taken.
std::size_t NormaliseDescriptionText(const char* source, NormalisedBuffer& result) noexcept;

} // namespace zandrel
