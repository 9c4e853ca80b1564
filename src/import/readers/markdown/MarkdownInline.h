#pragma once

#include <cstddef>

namespace zandrel {

// The text that the inline Markdown of one block shows (a paragraph's lines
// joined by LF, a heading or a table row), in place; returns its length. Code
// spans, links, images, autolinks, raw HTML, emphasis, strike-through, escapes
// and character references are read as a renderer reads them; line breaks stay
// unless markup that is dropped spans them. At most WideTextUnits units.
std::size_t MarkdownInlineToText(char16_t* text, std::size_t units) noexcept;

} // namespace zandrel
