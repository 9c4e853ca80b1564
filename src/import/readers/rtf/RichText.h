#pragma once

#include <cstddef>

namespace zandrel {

// The text a word processor shows of the Rich Text document in `bytes` (the
// first `count` bytes of the file, perhaps cut off anywhere), written as at
// most `capacity` UTF-16 code units; returns how many. Lines end in LF, none is
// empty, and none starts or ends with a blank. The text is never longer than
// the bytes, so `count` units of room are always enough.
std::size_t RichTextToWide(const char* bytes, std::size_t count, char16_t* wide,
                           std::size_t capacity) noexcept;

} // namespace zandrel
