#include "platform/CodePageConversion.h"

#include <algorithm>
#include <iterator>

#include "base/UnicodeSequences.h"
#include "base/Windows1252.h"
#include "platform/AnsiCharacter.h"
#include "platform/WideToAnsiWithPlainForms.h"

namespace zandrel {

// Stand-in for builds without Windows. An invalid sequence becomes one U+FFFD
// for each maximal part of a well-formed sequence that it starts with, or for
// the single byte that starts none.
std::size_t Utf8ToWide(const char* utf8, std::size_t bytes, char16_t* wide,
                       std::size_t capacity) noexcept
{
    const auto* in = reinterpret_cast<const unsigned char*>(utf8);
    std::size_t at = 0;
    std::size_t out = 0;
    while (at < bytes && out < capacity) {
        const unsigned char lead = in[at];
        const std::size_t length = Utf8SequenceLength(lead);
        if (length <= 1) {
            wide[out++] = length == 1 ? lead : char16_t{0xFFFD};
            ++at;
            continue;
        }
        char32_t code = lead & (0x7F >> length);
        std::size_t taken = 1;
        while (taken < length && at + taken < bytes) {
            const unsigned char next = in[at + taken];
            if (taken == 1 ? !Utf8SecondByteFits(lead, next) : !IsUtf8Continuation(next)) {
                break;
            }
            code = (code << 6) | (next & 0x3F);
            ++taken;
        }
        if (taken < length) {
            wide[out++] = 0xFFFD;
        } else if (code < 0x10000) {
            wide[out++] = static_cast<char16_t>(code);
        } else if (out + 2 <= capacity) {
            code -= 0x10000;
            wide[out++] = static_cast<char16_t>(0xD800 + (code >> 10));
            wide[out++] = static_cast<char16_t>(0xDC00 + (code & 0x3FF));
        } else {
            break;
        }
        at += taken;
    }
    return out;
}

// The stand-in's ANSI code page is Latin-1; windows-1252 adds its characters at
// 128 to 159. Shift_JIS it does not know: ASCII stays, any other byte becomes
// U+FFFD.
std::size_t CodePageToWide(TextCodePage codePage, const char* text, std::size_t bytes,
                           char16_t* wide, std::size_t capacity) noexcept
{
    if (codePage == TextCodePage::Utf8) {
        return Utf8ToWide(text, bytes, wide, capacity);
    }
    const std::size_t count = bytes < capacity ? bytes : capacity;
    for (std::size_t i = 0; i < count; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        char16_t unit = byte;
        if (codePage == TextCodePage::ShiftJis && byte >= 0x80) {
            unit = 0xFFFD;
        } else if (codePage == TextCodePage::Windows1252 && byte >= 0x80 && byte <= 0x9F) {
            unit = Windows1252High[byte - 0x80] != 0 ? Windows1252High[byte - 0x80] : char16_t{0xFFFD};
        }
        wide[i] = unit;
    }
    return count;
}

// Of the numbered code pages the stand-in knows only windows-1252, whose five
// undefined bytes become the C1 controls of their value, as on Windows. In
// any other code page ASCII stays and every other byte becomes U+FFFD (so a
// double-byte character gives two).
std::size_t NumberedCodePageToWide(unsigned codePage, const char* text, std::size_t bytes,
                                   char16_t* wide, std::size_t capacity) noexcept
{
    const std::size_t count = bytes < capacity ? bytes : capacity;
    for (std::size_t i = 0; i < count; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        char16_t unit = byte;
        if (byte >= 0x80 && codePage != 1252) {
            unit = 0xFFFD;
        } else if (byte >= 0x80 && byte <= 0x9F && Windows1252High[byte - 0x80] != 0) {
            unit = Windows1252High[byte - 0x80];
        }
        wide[i] = unit;
    }
    return count;
}

// Latin-1: U+0000 to U+00FF are the bytes of the same value, and any other
// character is its plain form or '?'. The stand-in knows no look-alikes: asked
// for them, it gives '?' for every other code unit (each half of a pair too).
std::size_t WideToAnsi(const char16_t* wide, std::size_t units, char* ansi, std::size_t capacity,
                       Unmappable unmappable) noexcept
{
    // As on Windows, a text whose every character the code page has takes the
    // direct way; only one that lacks some goes character by character.
    const bool allLatin1 = std::all_of(wide, wide + units, [](char16_t unit) { return unit <= 0xFF; });
    if (unmappable == Unmappable::DefaultCharacter && !allLatin1) {
        return WideToAnsiWithPlainForms(wide, units, ansi, capacity);
    }
    std::size_t count = units < capacity ? units : capacity;
    if (count < units && count > 0 && IsHighSurrogate(wide[count - 1]) &&
        IsLowSurrogate(wide[count])) {
        --count; // never half a pair
    }
    for (std::size_t i = 0; i < count; ++i) {
        ansi[i] = wide[i] <= 0xFF ? static_cast<char>(wide[i]) : '?';
    }
    return count;
}

std::size_t AnsiBytesOf(const char16_t* units, std::size_t count,
                        char (&bytes)[AnsiCharacterMaximum]) noexcept
{
    if (count != 1 || units[0] > 0xFF) {
        return 0;
    }
    bytes[0] = static_cast<char>(units[0]);
    return 1;
}

// A few letters of Central European names: enough for the native tests and
// the fuzzed import to take the decomposition step.
std::size_t CanonicalDecomposition(char16_t character,
                                   char16_t (&units)[DecompositionMaximum]) noexcept
{
    static constexpr struct {
        char16_t character;
        char16_t base;
        char16_t mark;
    } Decompositions[] = {
        {0x010D, u'c', 0x030C}, // č
        {0x011B, u'e', 0x030C}, // ě
        {0x0151, u'o', 0x030B}, // ő
        {0x0159, u'r', 0x030C}, // ř
        {0x0161, u's', 0x030C}, // š
        {0x017A, u'z', 0x0301}, // ź
    };
    for (const auto& row : Decompositions) {
        if (row.character == character) {
            units[0] = row.base;
            units[1] = row.mark;
            return 2;
        }
    }
    return 0;
}

bool AnsiCodePageIsUtf8() noexcept
{
    return false;
}

bool OemCodePageIsAnsi() noexcept
{
    return false;
}

// Code page 437 as far as its letters go, which is enough to tell a converted
// text from one taken as it is: the upper half's letters that Latin-1 has, and
// '?' for the frames, shades, Greek and mathematical signs.
std::size_t OemToWide(const char* oem, std::size_t bytes, char16_t* wide,
                      std::size_t capacity) noexcept
{
    // From 0x80: letters, then (0x9B to 0x9F) currency signs and the f-hook,
    // then (0xA0 to 0xA7) letters and the ordinal indicators.
    static constexpr char16_t Letters[] = {
        0xC7, 0xFC, 0xE9, 0xE2, 0xE4, 0xE0, 0xE5, 0xE7, 0xEA, 0xEB, 0xE8, 0xEF, 0xEE, 0xEC,
        0xC4, 0xC5, 0xC9, 0xE6, 0xC6, 0xF4, 0xF6, 0xF2, 0xFB, 0xF9, 0xFF, 0xD6, 0xDC, '?',
        '?',  '?',  '?',  '?',  0xE1, 0xED, 0xF3, 0xFA, 0xF1, 0xD1, 0xAA, 0xBA};
    const std::size_t count = bytes < capacity ? bytes : capacity;
    for (std::size_t i = 0; i < count; ++i) {
        const auto byte = static_cast<unsigned char>(oem[i]);
        if (byte < 0x80) {
            wide[i] = byte;
        } else if (byte - 0x80u < std::size(Letters)) {
            wide[i] = Letters[byte - 0x80];
        } else {
            wide[i] = byte == 0xE1 ? char16_t{0xDF} : char16_t{'?'}; // sharp s
        }
    }
    return count;
}

} // namespace zandrel
