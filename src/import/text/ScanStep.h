#pragma once
// The scans over imported text are compiled for two steps, chosen once per call
// by DbcsEnabled: ByteStep when every character is one byte, CharStep
// (StepChar) when the code page has lead bytes. The scans step only from a
// character that is not the terminating zero; StepChar would stay on it anyway.

#include <cstring>

#include "base/CharacterClasses.h"
#include "base/StepChar.h"

namespace zandrel {

struct ByteStep {
    static const char* Next(const char* p) noexcept { return p + 1; }
    static char* Next(char* p) noexcept { return p + 1; }

    // The first LF, CR or zero from p on. Short lines end within a few bytes;
    // longer ones are left to the C library's vectorised strcspn.
    static const char* ToLineEnd(const char* p) noexcept
    {
        for (int i = 0; i < 8; ++i, ++p) {
            if (IsLineEnd(*p)) {
                return p;
            }
        }
        return p + std::strcspn(p, "\r\n");
    }
    static char* ToLineEnd(char* p) noexcept
    {
        return const_cast<char*>(ToLineEnd(static_cast<const char*>(p)));
    }
};

struct CharStep {
    static const char* Next(const char* p) noexcept { return StepChar(p); }
    static char* Next(char* p) noexcept { return StepChar(p); }

    // The first LF, CR or zero from p on that starts a character.
    static char* ToLineEnd(char* p) noexcept
    {
        while (!IsLineEnd(*p)) {
            p = StepChar(p);
        }
        return p;
    }
};

} // namespace zandrel
