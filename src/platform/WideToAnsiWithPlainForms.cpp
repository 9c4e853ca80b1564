#include "platform/WideToAnsiWithPlainForms.h"

#include <cstring>
#include <string_view>

#include "base/UnicodeSequences.h"
#include "platform/AnsiCharacter.h"
#include "platform/PlainForms.h"

namespace zandrel {
namespace {

// Every ANSI code page's default character.
constexpr char DefaultCharacter = '?';

constexpr std::size_t AnsiTextMaximum =
    PlainFormMaximum > AnsiCharacterMaximum ? PlainFormMaximum : AnsiCharacterMaximum;

std::size_t Copy(std::string_view from, char (&text)[AnsiTextMaximum]) noexcept
{
    std::memcpy(text, from.data(), from.size());
    return from.size();
}

// What one character becomes in the ANSI code page.
std::size_t AnsiTextOf(const char16_t* character, std::size_t units,
                       char (&text)[AnsiTextMaximum]) noexcept
{
    if (units == 1 && character[0] < 0x80) {
        text[0] = static_cast<char>(character[0]); // every ANSI code page has ASCII as it is
        return 1;
    }
    char bytes[AnsiCharacterMaximum];
    if (const std::size_t count = AnsiBytesOf(character, units, bytes); count > 0) {
        return Copy({bytes, count}, text);
    }
    if (units == 1 && !IsHighSurrogate(character[0]) && !IsLowSurrogate(character[0])) {
        char16_t decomposition[DecompositionMaximum];
        if (CanonicalDecomposition(character[0], decomposition) > 0) {
            if (const std::size_t count = AnsiBytesOf(decomposition, 1, bytes); count > 0) {
                return Copy({bytes, count}, text);
            }
        }
        if (const std::string_view plain = PlainFormOf(character[0]); !plain.empty()) {
            return Copy(plain, text);
        }
    }
    text[0] = DefaultCharacter;
    return 1;
}

} // namespace

std::size_t WideToAnsiWithPlainForms(const char16_t* wide, std::size_t units, char* ansi,
                                     std::size_t capacity) noexcept
{
    std::size_t written = 0;
    std::size_t at = 0;
    while (at < units) {
        const bool pair =
            IsHighSurrogate(wide[at]) && at + 1 < units && IsLowSurrogate(wide[at + 1]);
        const std::size_t length = pair ? 2 : 1;
        char text[AnsiTextMaximum];
        const std::size_t count = AnsiTextOf(wide + at, length, text);
        if (count > capacity - written) {
            break;
        }
        std::memcpy(ansi + written, text, count);
        written += count;
        at += length;
    }
    return written;
}

} // namespace zandrel
