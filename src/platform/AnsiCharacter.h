#pragma once
// What the conversion to the ANSI code page asks of the platform one character
// at a time, once a text turns out to hold a character that the code page
// lacks. On Windows WideCharToMultiByte without best fit and FoldStringW;
// elsewhere the stand-in's Latin-1 and a few decomposed Latin letters.

#include <cstddef>

namespace zandrel {

// An ANSI code page takes at most two bytes for a character (UTF-8 aside,
// which lacks none).
inline constexpr std::size_t AnsiCharacterMaximum = 2;

// The bytes of the one character in `units` (a code unit or a surrogate pair)
// in the ANSI code page; 0 when the code page lacks it, judged without
// look-alikes.
std::size_t AnsiBytesOf(const char16_t* units, std::size_t count,
                        char (&bytes)[AnsiCharacterMaximum]) noexcept;

// Room for a canonical decomposition: the base and its combining marks.
inline constexpr std::size_t DecompositionMaximum = 8;

// The canonical decomposition of `character`, the base first; returns the
// number of code units, 0 for a character that has none.
std::size_t CanonicalDecomposition(char16_t character,
                                   char16_t (&units)[DecompositionMaximum]) noexcept;

} // namespace zandrel
