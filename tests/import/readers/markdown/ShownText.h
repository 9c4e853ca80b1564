#pragma once
// Wide text as a test's message shows it: ASCII as it is, other units (line
// breaks too) as \uXXXX, so that a row's expected text and the reader's can
// be told apart at a glance.

#include <cstdio>
#include <string>

namespace zandrel::test {

inline std::string Shown(const std::u16string& text)
{
    std::string shown;
    for (const char16_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            shown += static_cast<char>(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(c));
            shown += escape;
        }
    }
    return shown;
}

} // namespace zandrel::test
