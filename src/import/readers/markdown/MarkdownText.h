#pragma once

#include <cstddef>

namespace zandrel {

// The text that the rendering of the Markdown in `text` (`units` UTF-16 code
// units) shows, in place; returns its length. Lines end in LF.
std::size_t MarkdownToText(char16_t* text, std::size_t units) noexcept;

} // namespace zandrel
