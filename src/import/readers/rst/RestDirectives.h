#pragma once

#include <cstddef>

namespace zandrel {

// What a directive shows of itself. Its arguments and option lines show
// nothing, but where the kind says so.
enum class RestDirectiveKind {
    ShowsNothing, // image, raw, contents, include, meta, toctree, ...: nor its content
    Literal,      // code, code-block, sourcecode, parsed-literal: its content lines as written
    Admonition,   // note, warning, ...: no arguments; the text after "::" starts the content
    Titled,       // admonition, topic, sidebar, rubric, table: its argument is a title that shows
    Figure,       // its caption, the first paragraph of its content, alone
    Content,      // any other: its content
};

// The kind of the directive named [name, name + length), in any case.
[[nodiscard]] RestDirectiveKind RestDirectiveKindOf(const char16_t* name,
                                                    std::size_t length) noexcept;

} // namespace zandrel
