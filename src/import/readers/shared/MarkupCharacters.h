#pragma once
// The character classes that markup names, for every reader: on bytes (a
// reader's first look at the bytes read) and on UTF-16 code units alike.

namespace zandrel {

// White space as HTML names it: SPACE, TAB, LF, FF, CR.
template <typename Char> constexpr bool IsHtmlSpace(Char c) noexcept
{
    return c == Char(' ') || c == Char('\t') || c == Char('\n') || c == Char('\r') || c == Char('\f');
}

template <typename Char> constexpr bool IsAsciiLetter(Char c) noexcept
{
    return (c >= Char('a') && c <= Char('z')) || (c >= Char('A') && c <= Char('Z'));
}

template <typename Char> constexpr bool IsAsciiDigit(Char c) noexcept
{
    return c >= Char('0') && c <= Char('9');
}

template <typename Char> constexpr Char AsciiLower(Char c) noexcept
{
    return (c >= Char('A') && c <= Char('Z')) ? static_cast<Char>(c - Char('A') + Char('a')) : c;
}

} // namespace zandrel
