#include "import/text/DropLoneLeadByte.h"

#include "base/StepChar.h"

namespace zandrel {

void DropLoneLeadByte(char* text) noexcept
{
    if (!DbcsEnabled) {
        return;
    }
    for (char* p = text; *p != '\0'; p = StepChar(p)) {
        if (IsLeadByte(*p) && p[1] == '\0') {
            *p = '\0';
            return;
        }
    }
}

} // namespace zandrel
