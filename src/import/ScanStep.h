#pragma once
// The scans over imported text are compiled for two steps, chosen once per call
// by DbcsEnabled: ByteStep when every character is one byte, CharStep
// (StepChar) when the code page has lead bytes. Both stop at the terminating zero.

#include "import/StepChar.h"

namespace zandrel {

struct ByteStep {
    static const char* Next(const char* p) noexcept { return p + (*p != '\0'); }
    static char* Next(char* p) noexcept { return p + (*p != '\0'); }
};

struct CharStep {
    static const char* Next(const char* p) noexcept { return StepChar(p); }
    static char* Next(char* p) noexcept { return StepChar(p); }
};

} // namespace zandrel
