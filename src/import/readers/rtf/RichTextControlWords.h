#pragma once

#include <cstddef>
#include <string_view>

namespace zandrel {

// What a control word of a Rich Text document does to the text it shows.
enum class ControlAction : unsigned char {
    None,             // formatting, or a word the reader does not know: no text
    SkipGroup,        // a destination that shows nothing: the rest of its group
    FontTable,        // the font table: shows nothing, defines the fonts' code pages
    Font,             // \fN: the current font, or the one the font table defines
    FontCharset,      // \fcharsetN of the font being defined
    FontCodePage,     // \cpgN of the font being defined
    DefaultFont,      // \deffN
    DocumentCodePage, // \ansi, \mac, \pc, \pca (the row's value), \ansicpgN (value 0)
    Character,        // shows the row's value
    LineEnd,          // ends a line
    Hidden,           // \v, \v0
    Plain,            // character formatting back to its default: the default font, shown
    Unicode,          // \uN
    UnicodeSkip,      // \ucN
    Binary,           // \binN: N bytes of binary data follow
};

struct ControlWord {
    ControlAction action;
    char16_t value; // a character or a code page, for the actions that take one
};

// The longest name in the table: a longer word is unknown.
inline constexpr std::size_t ControlNameCapacity = 18;

// What the control word `name` (its letters) does.
[[nodiscard]] ControlWord FindControlWord(std::string_view name) noexcept;

} // namespace zandrel
