#pragma once
// The HTML that a Markdown file may carry: tags, comments and blocks of it.
// The rendering shows none of the markup, only the text between.

#include <cstddef>

namespace zandrel {

// The length of the complete open tag ("<img src=x>", "<br/>") or closing tag
// ("</a>") that starts at `at`, which may run over line breaks; 0 where none
// ends before `end`.
[[nodiscard]] std::size_t HtmlTagLength(const char16_t* at, const char16_t* end) noexcept;

// What the tag that starts at `at` (a '<') shows in the text, as a browser
// shows it: a line break for <br>, the quotation marks U+201C and U+201D for
// <q> and </q>; 0 for any other tag, which shows nothing.
[[nodiscard]] char16_t HtmlTagShows(const char16_t* at, const char16_t* end) noexcept;

enum class HtmlBlockKind {
    None,
    EndsAtBlankLine, // a block element's tag, or a tag alone on its line
    EndsWithMarkup,  // a comment, a declaration or an instruction: its line closing it
};

// Whether the line [begin, end) (past its indent) starts a block of HTML. A tag
// alone on its line starts one only where no paragraph is open.
[[nodiscard]] HtmlBlockKind HtmlBlockStart(const char16_t* begin, const char16_t* end,
                                           bool paragraphOpen) noexcept;

// The text of the lines of an HTML block, line by line: tags, comments,
// declarations and instructions go, even across lines, and character
// references are decoded.
class HtmlBlockText {
public:
    // Writes the text of [from, to) at `out` (at most at `from`); returns the
    // end of what it wrote.
    char16_t* Write(const char16_t* from, const char16_t* to, char16_t* out) noexcept;

    // Whether the last line ended outside any markup.
    [[nodiscard]] bool InText() const noexcept { return state_ == State::Text; }

private:
    enum class State { Text, Tag, Comment, Declaration, Instruction };
    State state_ = State::Text;
    char16_t quote_ = 0; // inside a tag's quoted attribute value
    char16_t shows_ = 0; // what the tag being read shows at its end (HtmlTagShows)
};

} // namespace zandrel
