#pragma once

#include <array>

namespace zandrel {

// Library-wide code-page facts, fixed once while the library starts and only
// read afterwards. DbcsEnabled: the ANSI code page has double-byte characters.
// LeadByteSet: its lead bytes (all false unless DbcsEnabled).
extern bool DbcsEnabled;
extern std::array<bool, 256> LeadByteSet;

[[nodiscard]] inline bool IsLeadByte(char byte) noexcept
{
    return DbcsEnabled && LeadByteSet[static_cast<unsigned char>(byte)];
}

// The step of every scan over imported text: one character, two bytes at a
// lead byte that is not followed by the terminating zero. Never moves past the
// terminating zero, so a trail byte is never classified on its own.
[[nodiscard]] inline const char* StepChar(const char* p) noexcept
{
    if (*p == '\0') {
        return p;
    }
    return (IsLeadByte(*p) && p[1] != '\0') ? p + 2 : p + 1;
}

[[nodiscard]] inline char* StepChar(char* p) noexcept
{
    return const_cast<char*>(StepChar(static_cast<const char*>(p)));
}

// Sets DbcsEnabled and fills LeadByteSet from up to six (low, high) lead-byte
// ranges as a code page reports them; a pair of two zeros ends the ranges
// early, and a pair whose high is below its low adds nothing.
void SetCodePageFacts(bool dbcsEnabled, const unsigned char (&leadByteRanges)[12]) noexcept;

} // namespace zandrel
