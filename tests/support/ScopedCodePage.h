#pragma once
// Installs code-page facts for one test and restores the previous ones after.

#include <array>

#include "base/StepChar.h"

namespace zandrel::test {

class ScopedCodePage {
public:
    // Single-byte: every byte is one character.
    ScopedCodePage() : ScopedCodePage(false, {}) {}
    // Double-byte with the lead-byte ranges as a code page reports them.
    ScopedCodePage(bool dbcs, std::array<unsigned char, 12> ranges)
        : savedDbcs_(DbcsEnabled), savedLeadBytes_(LeadByteSet)
    {
        unsigned char raw[12];
        for (int i = 0; i < 12; ++i) {
            raw[i] = ranges[static_cast<std::size_t>(i)];
        }
        SetCodePageFacts(dbcs, raw);
    }
    ScopedCodePage(const ScopedCodePage&) = delete;
    ScopedCodePage& operator=(const ScopedCodePage&) = delete;
    ~ScopedCodePage()
    {
        DbcsEnabled = savedDbcs_;
        LeadByteSet = savedLeadBytes_;
    }

private:
    bool savedDbcs_;
    std::array<bool, 256> savedLeadBytes_;
};

// Shift-JIS (code page 932) lead bytes: 0x81-0x9F and 0xE0-0xFC.
inline ScopedCodePage ShiftJis()
{
    return ScopedCodePage(true, {0x81, 0x9F, 0xE0, 0xFC, 0, 0, 0, 0, 0, 0, 0, 0});
}

} // namespace zandrel::test
