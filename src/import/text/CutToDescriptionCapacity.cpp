#include "import/text/CutToDescriptionCapacity.h"

#include "base/StepChar.h"
#include "import/ImportLimits.h"
#include "import/text/TrimTrailingWhiteSpace.h"

namespace zandrel {

std::size_t CutToDescriptionCapacity(char* text, std::size_t length) noexcept
{
    constexpr std::size_t maxTextBytes = DescriptionCapacity - 1;
    if (length <= maxTextBytes) {
        return length;
    }
    std::size_t cut = maxTextBytes;
    if (DbcsEnabled) {
        const char* p = text;
        for (;;) {
            const char* next = StepChar(p);
            if (next == p || static_cast<std::size_t>(next - text) > maxTextBytes) {
                break;
            }
            p = next;
        }
        cut = static_cast<std::size_t>(p - text);
    }
    text[cut] = '\0';
    return TrimTrailingWhiteSpace(text, cut);
}

} // namespace zandrel
