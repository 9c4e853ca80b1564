#pragma once
// What a Markdown line is, told from its first characters. Each function takes
// the line [begin, end) past its indent of at most three columns, without its
// line break.

#include <cstddef>

namespace zandrel {

// The length of the fence ("```", "~~~~") that opens a code block here, its
// character in `mark`; 0 where none does.
[[nodiscard]] std::size_t CodeFenceLength(const char16_t* begin, const char16_t* end,
                                          char16_t& mark) noexcept;

// Whether the line closes a code block opened by `length` times `mark`.
[[nodiscard]] bool ClosesCodeFence(const char16_t* begin, const char16_t* end, char16_t mark,
                                   std::size_t length) noexcept;

// Whether the line is a heading "# ..." to "###### ...": its text, without the
// markers, the closing '#'s and the white space around, in [textBegin, textEnd).
[[nodiscard]] bool IsAtxHeading(const char16_t* begin, const char16_t* end,
                                const char16_t*& textBegin, const char16_t*& textEnd) noexcept;

// "===" or "---" alone: under a paragraph's line, the line above is a heading.
[[nodiscard]] bool IsSetextUnderline(const char16_t* begin, const char16_t* end) noexcept;

// Three or more '-', '*' or '_' alone, with blanks between or not.
[[nodiscard]] bool IsThematicBreak(const char16_t* begin, const char16_t* end) noexcept;

// The length of the list item's marker ("- ", "* ", "+ ", "1. ", "12) ") with
// the blank after it; 0 where the line starts no list item.
[[nodiscard]] std::size_t ListMarkerLength(const char16_t* begin, const char16_t* end) noexcept;

// "[label]: destination" with an optional title, all on the line.
[[nodiscard]] bool IsReferenceDefinition(const char16_t* begin, const char16_t* end) noexcept;

// A table's delimiter row: "|---|:---:|", "--- | ---".
[[nodiscard]] bool IsTableDelimiterRow(const char16_t* begin, const char16_t* end) noexcept;

} // namespace zandrel
