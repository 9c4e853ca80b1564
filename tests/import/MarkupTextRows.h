#pragma once
// Starts of real web pages and Markdown files, and texts that only look like
// them, with the description each gives through the whole import (line limit
// off). `expected` holds for code page 1252 and the native stand-in, where a
// row says nothing else; `expected932` for code page 932 where it differs.

#include <ostream>

namespace zandrel::test {

struct MarkupTextRow {
    const char* name;
    const char* fileName;           // the name the import chose
    const char* read;               // the file's bytes
    const char* expected;           // the description, lines joined by CR LF
    const char* expected932 = nullptr;
    const char* standIn = nullptr;  // where the native stand-in differs
};

inline void PrintTo(const MarkupTextRow& row, std::ostream* out)
{
    *out << row.name;
}

// clang-format off

// Web pages: a name ending in .htm(l), or a text that starts like one.
inline constexpr MarkupTextRow HtmlTextRows[] = {
    {"html_page_title_then_text", "README.HTM",
     "<html><head><title>Tide Tables</title></head><body><p>High water at noon.</p></body></html>",
     "Tide Tables\r\nHigh water at noon."},
};

// Markdown files: a name ending in .md, .markdown, .mdown or .mkd.
inline constexpr MarkupTextRow MarkdownTextRows[] = {
    {"markdown_heading_and_emphasis", "README.md",
     "# Tide Tables\n\nHigh water at **noon**.\n",
     "Tide Tables\r\nHigh water at noon."},
};

// clang-format on

} // namespace zandrel::test
