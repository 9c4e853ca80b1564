#pragma once
// What a reStructuredText line is, told from its characters. Each function
// takes the line [begin, end) past its indentation, without its line break.

#include <cstddef>

namespace zandrel::rst {

// The number of times `mark`, an adornment character, makes up the whole line
// (blanks may follow); 0 where the line is anything else.
[[nodiscard]] std::size_t AdornmentLength(const char16_t* begin, const char16_t* end,
                                          char16_t& mark) noexcept;

// The columns that the text [begin, end) takes, East Asian wide letters two.
[[nodiscard]] std::size_t TextColumns(const char16_t* begin, const char16_t* end) noexcept;

// The most columns whose boundaries a table keeps; text past the last stays in it.
inline constexpr std::size_t MostTableColumns = 32;

// A grid table's border: "+---+----+" or "+===+====+". The offsets of its '+'
// from `begin`, at most MostTableColumns, in `columns`; their number returned,
// 0 where the line is no border.
[[nodiscard]] std::size_t GridTableBorder(const char16_t* begin, const char16_t* end,
                                          std::size_t* columns) noexcept;

// A simple table's rule: runs of '=' (or, inside a table, of '-' too) between
// blanks, "=====  ======". The offsets where its runs start, at most
// MostTableColumns, in `columns`; their number returned, 0 where the line is no
// rule. A table starts only at a rule of two runs or more.
[[nodiscard]] std::size_t SimpleTableRule(const char16_t* begin, const char16_t* end,
                                          bool dashesToo, std::size_t* columns) noexcept;

// Past the reference name ("word", "py:func", "my-name.v2") at `begin`; `begin`
// where none starts there.
[[nodiscard]] const char16_t* SimpleNameEnd(const char16_t* begin, const char16_t* end) noexcept;

enum class ExplicitMarkup {
    None,         // no ".. " starts the line
    EmptyComment, // ".." alone
    Comment,      // ".. anything else"
    Target,       // ".. _name: url", ".. __: url"
    Substitution, // ".. |name| directive:: data"
    Footnote,     // ".. [1] text", ".. [#note] text", ".. [CIT2002] text"
    Directive,    // ".. name:: arguments"
};

// The parts of an explicit markup line.
struct ExplicitLine {
    ExplicitMarkup markup = ExplicitMarkup::None;
    const char16_t* nameBegin = nullptr; // a directive's or a substitution's name, a footnote's
                                         // label in its brackets
    const char16_t* nameEnd = nullptr;
    const char16_t* directiveBegin = nullptr; // a substitution's directive
    const char16_t* directiveEnd = nullptr;
    const char16_t* text = nullptr; // past "::" and its blanks; past a footnote's label
};

[[nodiscard]] ExplicitLine ReadExplicitLine(const char16_t* begin, const char16_t* end) noexcept;

// A footnote's or citation's label, [begin, end) without its brackets: a
// number, '#', '#name', '*', or a reference name.
[[nodiscard]] bool IsFootnoteLabel(const char16_t* begin, const char16_t* end) noexcept;

// An anonymous hyperlink target: "__ url" or "__" alone.
[[nodiscard]] bool IsAnonymousTarget(const char16_t* begin, const char16_t* end) noexcept;

// A field list's marker ":name: " (the name may hold escaped colons): its
// length with the blanks after it, 0 where there is none; the closing colon in
// `nameEnd`.
[[nodiscard]] std::size_t FieldMarkerLength(const char16_t* begin, const char16_t* end,
                                            const char16_t*& nameEnd) noexcept;

// A bullet ("- ", "* ", "+ ", "• ") or enumerator ("1. ", "(a) ", "iv) ",
// "#. ") that starts a list item: its length with the blanks after it, 0 where
// the line starts none.
[[nodiscard]] std::size_t ListMarkerLength(const char16_t* begin, const char16_t* end) noexcept;

// A line block's line: "| text" or "|" alone.
[[nodiscard]] bool IsLineBlockLine(const char16_t* begin, const char16_t* end) noexcept;

// A doctest block's first line: ">>> code" or ">>>" alone.
[[nodiscard]] bool IsDoctestLine(const char16_t* begin, const char16_t* end) noexcept;

} // namespace zandrel::rst
