#pragma once

#include <cstddef>

namespace zandrel {

// The text that the rendering of the reStructuredText in `text` (`units`
// UTF-16 code units) shows, in place; returns its length. Lines end in LF, no
// line is empty, and each line shown is one line of the source: titles without
// their adornments, paragraphs, lists, literal blocks, table rows (cells a TAB
// apart) and the content of directives that show one.
std::size_t RestructuredTextToText(char16_t* text, std::size_t units) noexcept;

} // namespace zandrel
