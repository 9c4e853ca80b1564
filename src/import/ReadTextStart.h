#pragma once

#include <cstddef>

#include "import/ImportLimits.h"
#include "platform/FileSource.h"

namespace zandrel {

// Opens `path` (not null, of any length, handed over whole) through `source`,
// reads at most ReadLimit bytes from the file's start in one request, stores a
// zero byte after the last byte read and closes the file again on every way out.
// Returns the number of bytes read: 0 when the file cannot be opened, is empty,
// its size or position cannot be had, or the read fails; the buffer then holds the empty
// text. Read as a zero-terminated text, a zero byte inside the file ends it
// there; the count lets a text in UTF-16, whose zero bytes belong to it, be
// taken whole.
std::size_t ReadTextStart(FileSource& source, const char* path, ReadBuffer& buffer) noexcept;

} // namespace zandrel
