#pragma once
// The byte classes of imported text. A character is classified by its first
// byte only; the trail byte of a double-byte character is never looked at.

#include <array>
#include <cstdint>

namespace zandrel {

enum class CharClass : std::uint8_t {
    Content,        // every byte not named below, 128 and up included
    LineWhiteSpace, // TAB, SUB, SPACE: cut from both ends of a line
    LineBreak,      // LF, CR
    End,            // the terminating zero
};

namespace detail {
inline constexpr std::array<CharClass, 256> CharClassTable = [] {
    std::array<CharClass, 256> table{};
    table['\t'] = CharClass::LineWhiteSpace;
    table[0x1A] = CharClass::LineWhiteSpace;
    table[' '] = CharClass::LineWhiteSpace;
    table['\n'] = CharClass::LineBreak;
    table['\r'] = CharClass::LineBreak;
    table['\0'] = CharClass::End;
    return table;
}();
} // namespace detail

[[nodiscard]] inline CharClass ClassOf(char byte) noexcept
{
    return detail::CharClassTable[static_cast<unsigned char>(byte)];
}

[[nodiscard]] inline bool IsLineBreak(char byte) noexcept
{
    return ClassOf(byte) == CharClass::LineBreak;
}

[[nodiscard]] inline bool IsLineWhiteSpace(char byte) noexcept
{
    return ClassOf(byte) == CharClass::LineWhiteSpace;
}

// LF, CR or the terminating zero: where a line's scan stops.
[[nodiscard]] inline bool IsLineEnd(char byte) noexcept
{
    return ClassOf(byte) >= CharClass::LineBreak;
}

// TAB, LF, CR, SUB, SPACE: removed from the end of the whole text.
[[nodiscard]] inline bool IsTrailingWhiteSpace(char byte) noexcept
{
    const CharClass c = ClassOf(byte);
    return c == CharClass::LineWhiteSpace || c == CharClass::LineBreak;
}

} // namespace zandrel
