#pragma once
// The platform's conversions for description files in UTF-8, UTF-16 or the
// OEM code page. On Windows MultiByteToWideChar and WideCharToMultiByte;
// elsewhere a stand-in whose ANSI code page is single-byte Latin-1, every
// character above U+00FF becoming its plain form or '?', and whose OEM code page
// is 437 with only its letters known. None fails on a bad sequence, and none
// allocates.

#include <cstddef>

namespace zandrel {

// Converts `bytes` bytes of UTF-8 into at most `capacity` UTF-16 code units; an
// invalid sequence becomes U+FFFD. Returns the number of units written. A
// capacity of `bytes` units is always enough.
std::size_t Utf8ToWide(const char* utf8, std::size_t bytes, char16_t* wide,
                       std::size_t capacity) noexcept;

// What becomes of a character that the ANSI code page cannot show.
enum class Unmappable {
    DefaultCharacter, // its plain form, else '?' (WideToAnsiWithPlainForms.h); never
                      // a letter of the code page that looks right but is another
    LookAlike,        // as OemToCharBuffA does: a frame's corner becomes '+'
};

// The code pages a web page may name for itself, besides UTF-8: Latin pages
// (windows-1252, ISO-8859-1 and US-ASCII all read as windows-1252, as browsers
// read them) and Japanese ones (Shift_JIS, Windows-31J).
enum class TextCodePage { Ansi, Utf8, Windows1252, ShiftJis };

// Converts `bytes` bytes of text in `codePage` into at most `capacity` UTF-16
// code units; returns the number written. A byte or sequence that the code page
// does not define becomes a replacement character. A capacity of `bytes`
// units is always enough.
std::size_t CodePageToWide(TextCodePage codePage, const char* text, std::size_t bytes,
                           char16_t* wide, std::size_t capacity) noexcept;

// Converts `bytes` bytes of text in the Windows code page numbered `codePage`
// (1252, 932, 1251, 10000, ...) into at most `capacity` UTF-16 code units;
// returns the number written. A byte or sequence the code page does not define
// becomes a replacement character, and so does every byte of a code page the
// system lacks. A capacity of `bytes` units is always enough.
std::size_t NumberedCodePageToWide(unsigned codePage, const char* text, std::size_t bytes,
                                   char16_t* wide, std::size_t capacity) noexcept;

// Converts `units` UTF-16 code units into the ANSI code page. A character that
// the code page cannot show becomes what `unmappable` says; a lone surrogate
// becomes the code page's default character. Writes whole characters only
// (never half a double-byte character, half a surrogate pair or half a plain
// form), as many as fit into `capacity` bytes, and no terminating zero.
// Returns the number of bytes written.
std::size_t WideToAnsi(const char16_t* wide, std::size_t units, char* ansi, std::size_t capacity,
                       Unmappable unmappable = Unmappable::DefaultCharacter) noexcept;

// Whether the ANSI code page is UTF-8 (65001): a UTF-8 text is then ANSI text.
[[nodiscard]] bool AnsiCodePageIsUtf8() noexcept;

// Whether the OEM code page is the ANSI code page, as under code page 932.
[[nodiscard]] bool OemCodePageIsAnsi() noexcept;

// Converts `bytes` bytes of text in the OEM code page into at most `capacity`
// UTF-16 code units; returns the number written. A single-byte OEM code page
// gives one unit per byte.
std::size_t OemToWide(const char* oem, std::size_t bytes, char16_t* wide,
                      std::size_t capacity) noexcept;

} // namespace zandrel
