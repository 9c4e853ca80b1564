#pragma once
// A plain restatement of what the import makes of the bytes read, byte-order
// marks, UTF-8 without one and OEM text included, for the native build's
// stand-in code pages (ANSI Latin-1, every other character its plain form or
// '?'; OEM 437 with only its letters). UTF-8 is decoded and recognised from the
// table of well-formed byte sequences rather than by lead-byte arithmetic. The
// decompositions and plain forms are the platform's data, taken as they are.

#include <iterator>
#include <string>
#include <string_view>

#include "import/ImportLimits.h"
#include "platform/AnsiCharacter.h"
#include "platform/PlainForms.h"

namespace zandrel::reference {

namespace detail {

struct ByteRange {
    unsigned char low;
    unsigned char high;
};

struct WellFormed {
    std::size_t length;
    ByteRange bytes[4];
};

// The well-formed UTF-8 byte sequences, one row per first-byte range.
inline constexpr WellFormed Utf8Table[] = {
    {1, {{0x00, 0x7F}}},
    {2, {{0xC2, 0xDF}, {0x80, 0xBF}}},
    {3, {{0xE0, 0xE0}, {0xA0, 0xBF}, {0x80, 0xBF}}},
    {3, {{0xE1, 0xEC}, {0x80, 0xBF}, {0x80, 0xBF}}},
    {3, {{0xED, 0xED}, {0x80, 0x9F}, {0x80, 0xBF}}},
    {3, {{0xEE, 0xEF}, {0x80, 0xBF}, {0x80, 0xBF}}},
    {4, {{0xF0, 0xF0}, {0x90, 0xBF}, {0x80, 0xBF}, {0x80, 0xBF}}},
    {4, {{0xF1, 0xF3}, {0x80, 0xBF}, {0x80, 0xBF}, {0x80, 0xBF}}},
    {4, {{0xF4, 0xF4}, {0x80, 0x8F}, {0x80, 0xBF}, {0x80, 0xBF}}},
};

inline bool In(ByteRange range, char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte >= range.low && byte <= range.high;
}

// The stand-in code page's text for one character: a character that Latin-1
// has never changes; any other is the base of its decomposition where Latin-1
// has that, else its plain form, else '?'. A surrogate, paired or not, has
// neither.
inline std::string Latin1(char32_t code)
{
    if (code <= 0xFF) {
        return std::string(1, static_cast<char>(code));
    }
    if (code >= 0x10000 || (code >= 0xD800 && code <= 0xDFFF)) {
        return "?";
    }
    char16_t decomposition[DecompositionMaximum];
    if (CanonicalDecomposition(static_cast<char16_t>(code), decomposition) > 0 &&
        decomposition[0] <= 0xFF) {
        return std::string(1, static_cast<char>(decomposition[0]));
    }
    const std::string_view plain = PlainFormOf(static_cast<char16_t>(code));
    return plain.empty() ? "?" : std::string(plain);
}

// Adds one character's text when it fits into the ReadLimit bytes of the
// converted text; a plain form is added whole or not at all.
inline bool Fits(std::string& text, const std::string& character)
{
    if (text.size() + character.size() > ReadLimit) {
        return false;
    }
    text += character;
    return true;
}

// The row of the table that the bytes from `i` match, and how many of them
// match it (a partial match ends before the row's length).
inline const WellFormed* MatchUtf8(const std::string& bytes, std::size_t i, std::size_t& matched)
{
    const WellFormed* row = nullptr;
    for (const WellFormed& candidate : Utf8Table) {
        if (In(candidate.bytes[0], bytes[i])) {
            row = &candidate;
        }
    }
    matched = row == nullptr ? 0 : 1;
    while (row != nullptr && matched < row->length && i + matched < bytes.size() &&
           In(row->bytes[matched], bytes[i + matched])) {
        ++matched;
    }
    return row;
}

inline std::string FromUtf8(const std::string& read)
{
    const std::size_t zero = read.find('\0');
    const std::string bytes = read.substr(0, zero);
    std::string text;
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::size_t matched = 0;
        const WellFormed* row = MatchUtf8(bytes, i, matched);
        if (row == nullptr) {
            if (!Fits(text, "?")) {
                break;
            }
            ++i;
            continue;
        }
        std::string character = "?";
        if (matched == row->length) {
            char32_t code =
                static_cast<unsigned char>(bytes[i]) & (matched == 1 ? 0x7F : 0x7F >> matched);
            for (std::size_t k = 1; k < matched; ++k) {
                code = (code << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3F);
            }
            character = Latin1(code);
        } else if (i + matched == bytes.size() && zero == std::string::npos) {
            break; // the read cut this character off
        }
        if (!Fits(text, character)) {
            break;
        }
        i += matched;
    }
    return text;
}

// UTF-8 text without a mark: up to the first zero every sequence is whole and
// well-formed, but for one that the end of the bytes read (not a zero) cuts
// off, and at least one whole sequence is longer than a byte.
inline bool IsUnmarkedUtf8(const std::string& read)
{
    const std::size_t zero = read.find('\0');
    const std::string bytes = read.substr(0, zero);
    bool longer = false;
    for (std::size_t i = 0; i < bytes.size();) {
        std::size_t matched = 0;
        const WellFormed* row = MatchUtf8(bytes, i, matched);
        if (row == nullptr) {
            return false;
        }
        if (matched < row->length) {
            return zero == std::string::npos && i + matched == bytes.size() && longer;
        }
        longer = longer || row->length > 1;
        i += matched;
    }
    return longer;
}

// Code page 437's letters in the upper half, as their Latin-1 characters, from
// 0x80 on; '?' where 437 has no letter that Latin-1 has.
inline constexpr char16_t Oem437Letters[] = u"ÇüéâäàåçêëèïîìÄÅÉæÆôöòûùÿÖÜ?????áíóúñÑªº";

inline std::string FromOem(const std::string& read)
{
    std::string text;
    for (const char c : read.substr(0, read.find('\0'))) {
        const auto byte = static_cast<unsigned char>(c);
        const std::size_t letter = byte - 0x80u;
        if (byte < 0x80) {
            text += c;
        } else if (byte == 0xE1) {
            text += '\xDF';
        } else {
            text += letter < std::size(Oem437Letters) - 1 ? static_cast<char>(Oem437Letters[letter])
                                                          : '?';
        }
    }
    return text;
}

inline std::string FromUtf16(const std::string& bytes, bool bigEndian)
{
    std::u16string units;
    bool endedByZero = false;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        const auto unit =
            static_cast<char16_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
        if (unit == 0) {
            endedByZero = true;
            break;
        }
        units += unit;
    }
    if (!endedByZero && !units.empty() && units.back() >= 0xD800 && units.back() <= 0xDBFF) {
        units.pop_back(); // the read cut its pair
    }
    std::string text;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const bool pair = units[i] >= 0xD800 && units[i] <= 0xDBFF && i + 1 < units.size() &&
                          units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF;
        if (!Fits(text, Latin1(units[i]))) {
            break;
        }
        i += pair ? 1 : 0;
    }
    return text;
}

} // namespace detail

// The text that the read gives to the line limit: a marked text or UTF-8
// converted, the OEM text of a file whose name says so converted from code
// page 437, any other up to its first zero byte.
inline std::string TextRead(const std::string& read, bool oemName)
{
    if (read.rfind("\xEF\xBB\xBF", 0) == 0) {
        return detail::FromUtf8(read.substr(3));
    }
    if (read.rfind("\xFF\xFE", 0) == 0 || read.rfind("\xFE\xFF", 0) == 0) {
        return detail::FromUtf16(read.substr(2), read[0] == '\xFE');
    }
    if (detail::IsUnmarkedUtf8(read)) {
        return detail::FromUtf8(read);
    }
    if (oemName) {
        return detail::FromOem(read);
    }
    return read.substr(0, read.find('\0'));
}

} // namespace zandrel::reference
