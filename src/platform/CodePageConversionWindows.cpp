#include <windows.h>

#include <iterator>

#include "base/UnicodeSequences.h"
#include "platform/AnsiCharacter.h"
#include "platform/CodePageConversion.h"
#include "platform/WideToAnsiWithPlainForms.h"

namespace zandrel {
namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

const wchar_t* AsWide(const char16_t* units) noexcept
{
    return reinterpret_cast<const wchar_t*>(units);
}

// Without flags a character the code page lacks becomes a look-alike (best
// fit). A UTF-8 ANSI code page shows every character and takes no flags.
DWORD AnsiFlags(Unmappable unmappable) noexcept
{
    return unmappable == Unmappable::LookAlike || AnsiCodePageIsUtf8() ? 0 : WC_NO_BEST_FIT_CHARS;
}

// Converts the first `units` code units; with no room given, only counts the
// bytes. `usedDefault`, where given, tells whether a character became the
// default character (not allowed with a UTF-8 code page).
std::size_t Convert(const char16_t* wide, std::size_t units, DWORD flags, char* ansi,
                    std::size_t capacity, BOOL* usedDefault = nullptr) noexcept
{
    if (units == 0) {
        return 0;
    }
    const int written =
        ::WideCharToMultiByte(CP_ACP, flags, AsWide(wide), static_cast<int>(units), ansi,
                              static_cast<int>(capacity), nullptr, usedDefault);
    return written > 0 ? static_cast<std::size_t>(written) : 0;
}

// A prefix that would end between the two halves of a surrogate pair takes the
// second half too.
std::size_t WholeCharacters(const char16_t* wide, std::size_t count, std::size_t units) noexcept
{
    const bool splitsPair = count > 0 && count < units && IsHighSurrogate(wide[count - 1]) &&
                            IsLowSurrogate(wide[count]);
    return splitsPair ? count + 1 : count;
}

// Without flags: no MB_ERR_INVALID_CHARS, so an invalid UTF-8 sequence becomes
// U+FFFD, and no MB_USEGLYPHCHARS, as in OemToCharBuffA, so OEM control bytes
// stay controls.
std::size_t ToWide(UINT codePage, const char* text, std::size_t bytes, char16_t* wide,
                   std::size_t capacity) noexcept
{
    if (bytes == 0) {
        return 0;
    }
    const int written =
        ::MultiByteToWideChar(codePage, 0, text, static_cast<int>(bytes),
                              reinterpret_cast<wchar_t*>(wide), static_cast<int>(capacity));
    return written > 0 ? static_cast<std::size_t>(written) : 0;
}

} // namespace

std::size_t Utf8ToWide(const char* utf8, std::size_t bytes, char16_t* wide,
                       std::size_t capacity) noexcept
{
    return ToWide(CP_UTF8, utf8, bytes, wide, capacity);
}

// The Windows identifier of each TextCodePage, row i for the enumerator of value i.
struct CodePageIdentifier {
    TextCodePage codePage;
    UINT identifier;
};
constexpr CodePageIdentifier CodePageIdentifiers[] = {
    {TextCodePage::Ansi, CP_ACP},
    {TextCodePage::Utf8, CP_UTF8},
    {TextCodePage::Windows1252, 1252},
    {TextCodePage::ShiftJis, 932},
};

constexpr bool RowsInEnumeratorOrder() noexcept
{
    for (std::size_t i = 0; i < std::size(CodePageIdentifiers); ++i) {
        if (static_cast<std::size_t>(CodePageIdentifiers[i].codePage) != i) {
            return false;
        }
    }
    return std::size(CodePageIdentifiers) == static_cast<std::size_t>(TextCodePage::ShiftJis) + 1;
}
static_assert(RowsInEnumeratorOrder(), "one row per TextCodePage, in the enumerators' order");

std::size_t CodePageToWide(TextCodePage codePage, const char* text, std::size_t bytes,
                           char16_t* wide, std::size_t capacity) noexcept
{
    const UINT identifier = CodePageIdentifiers[static_cast<std::size_t>(codePage)].identifier;
    return ToWide(identifier, text, bytes, wide, capacity);
}

std::size_t NumberedCodePageToWide(unsigned codePage, const char* text, std::size_t bytes,
                                   char16_t* wide, std::size_t capacity) noexcept
{
    const std::size_t written = ToWide(codePage, text, bytes, wide, capacity);
    if (written > 0 || bytes == 0) {
        return written;
    }
    // A code page this system has not installed.
    const std::size_t count = bytes < capacity ? bytes : capacity;
    for (std::size_t i = 0; i < count; ++i) {
        wide[i] = 0xFFFD;
    }
    return count;
}

std::size_t WideToAnsi(const char16_t* wide, std::size_t units, char* ansi, std::size_t capacity,
                       Unmappable unmappable) noexcept
{
    if (units == 0 || capacity == 0) {
        return 0;
    }
    const DWORD flags = AnsiFlags(unmappable);
    if (flags == WC_NO_BEST_FIT_CHARS) {
        // One conversion tells whether any character needs its plain form; a
        // text that has one, or does not fit, goes character by character.
        BOOL usedDefault = FALSE;
        const std::size_t written = Convert(wide, units, flags, ansi, capacity, &usedDefault);
        if (written > 0 && !usedDefault) {
            return written;
        }
        if (written == 0 && ::GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
            return 0;
        }
        return WideToAnsiWithPlainForms(wide, units, ansi, capacity);
    }
    if (const std::size_t written = Convert(wide, units, flags, ansi, capacity); written > 0) {
        return written;
    }
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER) {
        return 0;
    }
    // Too long for the room, which a code page with more bytes per character
    // than the file's encoding can give. A short result is not cut at whole
    // characters, so find the longest prefix of whole characters that fits by
    // halving, counting only; the counts grow with the prefix.
    std::size_t fits = 0;
    std::size_t tooLong = units;
    while (tooLong - fits > 1) {
        const std::size_t middle = fits + (tooLong - fits) / 2;
        if (Convert(wide, WholeCharacters(wide, middle, units), flags, nullptr, 0) <= capacity) {
            fits = middle;
        } else {
            tooLong = middle;
        }
    }
    return Convert(wide, WholeCharacters(wide, fits, units), flags, ansi, capacity);
}

std::size_t AnsiBytesOf(const char16_t* units, std::size_t count,
                        char (&bytes)[AnsiCharacterMaximum]) noexcept
{
    BOOL usedDefault = FALSE;
    const std::size_t written =
        Convert(units, count, WC_NO_BEST_FIT_CHARS, bytes, sizeof bytes, &usedDefault);
    return usedDefault ? 0 : written;
}

std::size_t CanonicalDecomposition(char16_t character,
                                   char16_t (&units)[DecompositionMaximum]) noexcept
{
    const wchar_t source = character;
    const int written = ::FoldStringW(MAP_COMPOSITE, &source, 1, reinterpret_cast<wchar_t*>(units),
                                      static_cast<int>(DecompositionMaximum));
    const bool decomposed = written > 1 || (written == 1 && units[0] != character);
    return decomposed ? static_cast<std::size_t>(written) : 0;
}

bool AnsiCodePageIsUtf8() noexcept
{
    return ::GetACP() == CP_UTF8;
}

bool OemCodePageIsAnsi() noexcept
{
    return ::GetOEMCP() == ::GetACP();
}

std::size_t OemToWide(const char* oem, std::size_t bytes, char16_t* wide,
                      std::size_t capacity) noexcept
{
    return ToWide(CP_OEMCP, oem, bytes, wide, capacity);
}

} // namespace zandrel
