#pragma once
// What a Markdown line is, told from its first characters. Each function but
// the first few takes the line [begin, end) past its indent of at most three
// columns, without its line break.

#include <cstddef>

#include "import/readers/markdown/MarkdownScan.h"

namespace zandrel::markdown {

constexpr std::size_t CodeIndent = 4; // columns that make a line code
constexpr std::size_t TabStop = 4;
constexpr std::size_t AnyDepth = static_cast<std::size_t>(-1);

struct Line {
    const char16_t* begin;
    const char16_t* end;  // before its line break
    const char16_t* next; // past its line break (CR LF, CR or LF)
};

// The line that starts at `begin`, in a text that ends at `textEnd`.
[[nodiscard]] inline Line LineAt(const char16_t* begin, const char16_t* textEnd) noexcept
{
    const char16_t* const end = FindLineBreak(begin, textEnd);
    const char16_t* next = end;
    if (next < textEnd) {
        next += (*next == u'\r' && next + 1 < textEnd && next[1] == u'\n') ? 2 : 1;
    }
    return {begin, end, next};
}

// The columns of white space at `begin`, tabs to the next stop; `first` the
// unit after them.
std::size_t Indent(const char16_t* begin, const char16_t* end, const char16_t*& first) noexcept;

// Past up to `columns` columns of white space.
[[nodiscard]] const char16_t* SkipColumns(const char16_t* begin, const char16_t* end,
                                          std::size_t columns) noexcept;

// Past the block quote markers ("> ", ">>") of the line, at most `most`; their
// number in `depth`.
[[nodiscard]] const char16_t* SkipQuoteMarkers(const char16_t* begin, const char16_t* end,
                                               std::size_t most, std::size_t& depth) noexcept;

// The elements whose contents are no Markdown up to their closing tag, blank
// lines and all.
enum class RawTextElement { None, Script, Style, Pre, Textarea };

// The element whose start tag ("<script", "<PRE>") begins the line.
[[nodiscard]] RawTextElement RawTextElementStart(const char16_t* begin,
                                                 const char16_t* end) noexcept;

// Past the first closing tag of any of those elements ("</style>") on the line
// [begin, end), or nullptr where none is.
[[nodiscard]] const char16_t* PastRawTextEnd(const char16_t* begin, const char16_t* end) noexcept;

// The length of the fence ("```", "~~~~") that opens a code block here, its
// character in `mark`; 0 where none does.
[[nodiscard]] std::size_t CodeFenceLength(const char16_t* begin, const char16_t* end,
                                          char16_t& mark) noexcept;

// Whether the line closes a code block opened by `length` times `mark`.
[[nodiscard]] bool ClosesCodeFence(const char16_t* begin, const char16_t* end, char16_t mark,
                                   std::size_t length) noexcept;

// The level (1 to 6) of the heading "# ..." to "###### ..." the line is, 0 where
// it is none: its text, without the markers, the closing '#'s and the white
// space around, in [textBegin, textEnd).
[[nodiscard]] int AtxHeadingLevel(const char16_t* begin, const char16_t* end,
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

} // namespace zandrel::markdown
