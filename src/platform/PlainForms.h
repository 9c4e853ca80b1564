#pragma once
// The plain ASCII forms of characters that have no canonical decomposition to
// fall back on: letters such as Ł and ß, typographic punctuation, signs, and
// the spaces other than the plain one.

#include <cstddef>
#include <string_view>

namespace zandrel {

// The longest plain form, in bytes.
inline constexpr std::size_t PlainFormMaximum = 4;

// The plain form of `character`; empty where it has none.
[[nodiscard]] std::string_view PlainFormOf(char16_t character) noexcept;

} // namespace zandrel
