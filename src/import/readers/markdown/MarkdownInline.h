#pragma once

#include <cstddef>

#include "import/readers/markdown/MarkdownLinkLabels.h"

namespace zandrel {

// The text that the inline Markdown of one block shows (a paragraph's lines
// joined by LF, a heading or a table row), in place; returns its length. Code
// spans, links, images, autolinks, raw HTML, emphasis, strike-through, escapes
// and character references are read as a renderer reads them; line breaks stay
// unless markup that is dropped spans them. A shortcut reference "[label]"
// shows its text where `labels` holds its label. At most WideTextUnits units.
std::size_t MarkdownInlineToText(char16_t* text, std::size_t units,
                                 const markdown::LinkLabelSet& labels) noexcept;

// The same with the labels that `labels` has of the whole text, which it reads
// only if a shortcut reference asks for them.
std::size_t MarkdownInlineToText(char16_t* text, std::size_t units,
                                 markdown::LinkLabelScan& labels) noexcept;

} // namespace zandrel
