#pragma once
// The character classes that reStructuredText's rules name, on UTF-16 code
// units (docutils' reStructuredText reference, "Inline markup recognition
// rules" and "Sections"). The ASCII classes that every reader names are
// MarkupCharacters.h's.

#include "import/readers/shared/MarkupCharacters.h"

namespace zandrel::rst {

constexpr bool IsSpaceOrTab(char16_t c) noexcept
{
    return c == u' ' || c == u'\t';
}

namespace rule {

// White space as the inline rules see it; the line break counts.
constexpr bool IsWhiteSpace(char16_t c) noexcept
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f' || c == u'\v' ||
           c == 0x00A0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

// Punctuation past ASCII, in the blocks a README uses: Latin-1's signs, general
// punctuation, CJK and full-width punctuation. Openers and closers are not told
// apart: either may stand before a start-string or after an end-string.
constexpr bool IsWidePunctuation(char16_t c) noexcept
{
    return c == 0x00A1 || c == 0x00A7 || c == 0x00AB || c == 0x00B6 || c == 0x00B7 || c == 0x00BB ||
           c == 0x00BF || (c >= 0x2010 && c <= 0x2027) || (c >= 0x2030 && c <= 0x205E) ||
           (c >= 0x3001 && c <= 0x3003) || (c >= 0x3008 && c <= 0x3011) ||
           (c >= 0x3014 && c <= 0x301F) || (c >= 0xFF01 && c <= 0xFF0F) ||
           (c >= 0xFF1A && c <= 0xFF20) || (c >= 0xFF3B && c <= 0xFF40) ||
           (c >= 0xFF5B && c <= 0xFF65);
}

// A letter or digit of a reference name: ASCII's, and any unit past ASCII that
// is neither white space nor punctuation.
constexpr bool IsWordUnit(char16_t c) noexcept
{
    return IsAsciiLetter(c) || IsAsciiDigit(c) ||
           (c >= 0x80 && !IsWhiteSpace(c) && !IsWidePunctuation(c));
}

// What may stand before an inline start-string (the start of the text, passed
// as '\n', counts as white space).
constexpr bool MayPrecedeStart(char16_t c) noexcept
{
    return IsWhiteSpace(c) || c == u'-' || c == u':' || c == u'/' || c == u'\'' || c == u'"' ||
           c == u'<' || c == u'(' || c == u'[' || c == u'{' || IsWidePunctuation(c);
}

// What may follow an inline end-string (the end of the text, passed as '\n').
constexpr bool MayFollowEnd(char16_t c) noexcept
{
    return IsWhiteSpace(c) || c == u'-' || c == u'.' || c == u',' || c == u':' || c == u';' ||
           c == u'!' || c == u'?' || c == u'\\' || c == u'/' || c == u'\'' || c == u'"' ||
           c == u')' || c == u']' || c == u'}' || c == u'>' || IsWidePunctuation(c);
}

} // namespace rule

// The rules above for the first 256 units, a bit each, looked up per unit
// instead of compared: text is mostly ASCII.
enum UnitClass : unsigned char {
    WhiteSpaceUnit = 1,
    WidePunctuationUnit = 2,
    WordUnit = 4,
    PrecedesStartUnit = 8,
    FollowsEndUnit = 16,
};

struct UnitClassTable {
    unsigned char of[256];
};

constexpr UnitClassTable MakeUnitClasses() noexcept
{
    UnitClassTable table{};
    for (unsigned u = 0; u < 256; ++u) {
        const char16_t c = static_cast<char16_t>(u);
        table.of[u] =
            static_cast<unsigned char>((rule::IsWhiteSpace(c) ? WhiteSpaceUnit : 0) |
                                       (rule::IsWidePunctuation(c) ? WidePunctuationUnit : 0) |
                                       (rule::IsWordUnit(c) ? WordUnit : 0) |
                                       (rule::MayPrecedeStart(c) ? PrecedesStartUnit : 0) |
                                       (rule::MayFollowEnd(c) ? FollowsEndUnit : 0));
    }
    return table;
}

inline constexpr UnitClassTable UnitClasses = MakeUnitClasses();

constexpr bool IsWhiteSpace(char16_t c) noexcept
{
    return c < 256 ? (UnitClasses.of[c] & WhiteSpaceUnit) != 0 : rule::IsWhiteSpace(c);
}

constexpr bool IsWidePunctuation(char16_t c) noexcept
{
    return c < 256 ? (UnitClasses.of[c] & WidePunctuationUnit) != 0 : rule::IsWidePunctuation(c);
}

constexpr bool IsWordUnit(char16_t c) noexcept
{
    return c < 256 ? (UnitClasses.of[c] & WordUnit) != 0 : rule::IsWordUnit(c);
}

constexpr bool MayPrecedeStart(char16_t c) noexcept
{
    return c < 256 ? (UnitClasses.of[c] & PrecedesStartUnit) != 0 : rule::MayPrecedeStart(c);
}

constexpr bool MayFollowEnd(char16_t c) noexcept
{
    return c < 256 ? (UnitClasses.of[c] & FollowsEndUnit) != 0 : rule::MayFollowEnd(c);
}

// The closer that, right after a start-string, keeps the opener before it from
// starting markup: "*" in quotes, (*) and <*> stay as written.
constexpr char16_t CloserOf(char16_t opener) noexcept
{
    switch (opener) {
    case u'\'':
        return u'\'';
    case u'"':
        return u'"';
    case u'(':
        return u')';
    case u'[':
        return u']';
    case u'{':
        return u'}';
    case u'<':
        return u'>';
    case 0x00AB:
        return 0x00BB;
    case 0x2018:
        return 0x2019;
    case 0x201C:
        return 0x201D;
    default:
        return 0;
    }
}

// The printable ASCII characters that are not letters or digits: the ones
// a section adornment or a transition is made of.
constexpr bool IsAdornmentCharacter(char16_t c) noexcept
{
    return (c >= u'!' && c <= u'/') || (c >= u':' && c <= u'@') || (c >= u'[' && c <= u'`') ||
           (c >= u'{' && c <= u'~');
}

// Whether the unit takes two columns: East Asian wide and full-width letters,
// as docutils measures a title against its underline.
constexpr bool IsWideColumn(char16_t c) noexcept
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
           (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6);
}

} // namespace zandrel::rst
