#pragma once
// What a Markdown line outside a fenced code block or an HTML block is, told
// from the line alone and the blocks that are open: the block reader takes
// this analysis and acts on its kind.

#include <cstddef>

#include "import/readers/markdown/MarkdownHtml.h"
#include "import/readers/markdown/MarkdownLines.h"

namespace zandrel::markdown {

enum class LineKind {
    Blank,               // nothing but blanks, past its quote markers
    IndentedCode,        // indented by four columns more than its list item's text
    Fence,               // "```" or "~~~" that opens a code block
    Heading,             // "# ..." to "###### ..."
    SetextUnderline,     // "===" or "---" under a paragraph
    ThematicBreak,       // "***", "- - -", "___"
    HtmlBlockStart,      // a line that opens a block of HTML
    ReferenceDefinition, // "[label]: destination 'title'"
    ListItem,            // "- ", "* ", "1. ", "2) " and its text
    TableHeader,         // a row with a delimiter row below: a table starts
    TableRow,            // a row of the open table
    ParagraphText,       // the rest: a paragraph's line
};

// The blocks open before the line.
struct LineContext {
    bool paragraphOpen = false;
    std::size_t paragraphDepth = 0; // the paragraph's quote depth
    bool tableOpen = false;
    std::size_t listIndent = 0; // the column of the open list item's text; 0 outside lists
};

struct LineAnalysis {
    LineKind kind = LineKind::Blank;
    Line line{};                    // the line read, with its break
    const char16_t* next = nullptr; // where the next line to read starts
    std::size_t quoteDepth = 0;     // the block quote markers before the content
    std::size_t indent = 0;         // columns of white space past them
    // What the line shows: a heading's text, a list item's text after its
    // marker (empty where it has none), the code of an indented line, a row's
    // cells, a paragraph's line; for the other kinds the line past its indent.
    const char16_t* content = nullptr;
    const char16_t* contentEnd = nullptr;
    int headingLevel = 0;                          // Heading
    char16_t fenceMark = 0;                        // Fence: '`' or '~'
    std::size_t fenceLength = 0;                   // Fence
    HtmlBlockKind htmlKind = HtmlBlockKind::None;  // HtmlBlockStart
    RawTextElement rawText = RawTextElement::None; // HtmlBlockStart of <script>, <pre>...
    const char16_t* listMarker = nullptr;          // ListItem: the marker, which shows
    std::size_t listMarkerLength = 0;              // with the blank after it
};

// The line that starts at `begin`, in a text that ends at `textEnd`; reads the
// line below it too, for a table's delimiter row.
[[nodiscard]] LineAnalysis AnalyseLine(const char16_t* begin, const char16_t* textEnd,
                                       const LineContext& context) noexcept;

} // namespace zandrel::markdown
