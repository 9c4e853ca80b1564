#pragma once
// The character classes that Markdown's rules name, on UTF-16 code units; the
// letters and digits are markup's own (MarkupCharacters.h).

#include "import/readers/shared/MarkupCharacters.h"

namespace zandrel::markdown {

constexpr bool IsSpaceOrTab(char16_t c) noexcept
{
    return c == u' ' || c == u'\t';
}

constexpr bool IsAsciiPunctuation(char16_t c) noexcept
{
    return (c >= u'!' && c <= u'/') || (c >= u':' && c <= u'@') || (c >= u'[' && c <= u'`') ||
           (c >= u'{' && c <= u'~');
}

// White space as the emphasis rules see it; the line break counts, and so does
// the start or end of the text (the callers pass '\n' there).
constexpr bool IsWhiteSpace(char16_t c) noexcept
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == u'\v' ||
           c == 0x00A0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

// Punctuation and symbols for the emphasis rules: ASCII's, and past ASCII the
// blocks that hold the signs a README uses (Latin-1's signs, general
// punctuation, CJK and full-width punctuation). Letters of other scripts count
// as letters, so emphasis next to them follows the rule for words.
constexpr bool IsPunctuation(char16_t c) noexcept
{
    if (c < 0x80) {
        return IsAsciiPunctuation(c);
    }
    if (c >= 0x00A1 && c <= 0x00BF) {
        return c != 0x00AA && c != 0x00B2 && c != 0x00B3 && c != 0x00B5 && c != 0x00B9 &&
               c != 0x00BA && c != 0x00BC && c != 0x00BD && c != 0x00BE;
    }
    return c == 0x00D7 || c == 0x00F7 || (c >= 0x2010 && c <= 0x2027) ||
           (c >= 0x2030 && c <= 0x205E) || (c >= 0x2190 && c <= 0x23FF) ||
           (c >= 0x3001 && c <= 0x3003) || (c >= 0x3008 && c <= 0x3011) ||
           (c >= 0x3014 && c <= 0x301F) || (c >= 0xFF01 && c <= 0xFF0F) ||
           (c >= 0xFF1A && c <= 0xFF20) || (c >= 0xFF3B && c <= 0xFF40) ||
           (c >= 0xFF5B && c <= 0xFF65);
}

} // namespace zandrel::markdown
