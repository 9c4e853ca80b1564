#pragma once

#include <cstddef>

#include "import/encoding/TextEncoding.h"

namespace zandrel {

// How a text is read: as it is (converted only by its mark, as UTF-8 or as
// OEM text), or as a web page, a Markdown or reStructuredText file or a Rich
// Text document, whose markup goes and whose text stays.
enum class TextReader { AsRead, Html, Markdown, RestructuredText, RichText };

// Chosen once per file, by `name` and the `count` bytes read: a name ending in
// .htm, .html, .xhtml or .shtml, or a text that starts with "<!DOCTYPE html"
// or "<html" (after a byte-order mark and white space, in any case), is a web
// page; a name ending in .md, .markdown, .mdown or .mkd is Markdown; one ending
// in .rst or .rest is reStructuredText. A text that starts with "{\rtf" is
// Rich Text, whatever its name.
[[nodiscard]] TextReader ChooseTextReader(const char* name, const char* bytes,
                                          std::size_t count) noexcept;

// What `reader` works on, for the decision of the encoding: a reader of markup
// reads the decoded wide text in place; the Rich Text reader takes the bytes,
// whose escapes name their code pages.
[[nodiscard]] constexpr ReaderInput ReaderInputOf(TextReader reader) noexcept
{
    switch (reader) {
    case TextReader::Html:
    case TextReader::Markdown:
    case TextReader::RestructuredText:
        return ReaderInput::WideText;
    case TextReader::RichText:
        return ReaderInput::Bytes;
    case TextReader::AsRead:
        break;
    }
    return ReaderInput::AnsiText;
}

} // namespace zandrel
