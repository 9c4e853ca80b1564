#pragma once

#include <cstddef>

namespace zandrel {

// The text a browser shows of the web page in `text` (`units` UTF-16 code
// units), in place; returns its length. Lines end in LF.
std::size_t HtmlToText(char16_t* text, std::size_t units) noexcept;

} // namespace zandrel
