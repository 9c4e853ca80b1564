#include "import/text/ApplyLineLimit.h"

#include "base/CharacterClasses.h"
#include "import/text/ScanStep.h"

namespace zandrel {
namespace {

template <typename Step> void KeepLines(char* text, std::int32_t lines) noexcept
{
    char* p = text;
    for (;;) {
        p = Step::ToLineEnd(p);
        --lines;
        if (*p == '\0') {
            return;
        }
        // One line end is a break followed by any number of the other break byte.
        const char other = (*p == '\r') ? '\n' : '\r';
        p = Step::Next(p);
        while (*p == other) {
            p = Step::Next(p);
        }
        if (lines == 0 || *p == '\0') {
            *p = '\0';
            return;
        }
    }
}

} // namespace

void ApplyLineLimit(char* text, std::int32_t lines) noexcept
{
    if (lines <= 0) {
        text[0] = '\0';
        return;
    }
    if (DbcsEnabled) {
        KeepLines<CharStep>(text, lines);
    } else {
        KeepLines<ByteStep>(text, lines);
    }
}

} // namespace zandrel
