#include "import/encoding/ConvertOemText.h"

#include <cstring>

#include "import/NameEnding.h"
#include "platform/CodePageConversion.h"

namespace zandrel {

bool NamesOemText(const char* name) noexcept
{
    return NameEndsWith(name, ".DIZ") || NameEndsWith(name, ".NFO");
}

void ConvertOemText(ReadBuffer& text) noexcept
{
    if (OemCodePageIsAnsi()) {
        return;
    }
    const std::size_t length = strnlen(text.data(), ReadLimit);
    WideTextBuffer wide; // written up to the count OemToWide returns
    const std::size_t units = OemToWide(text.data(), length, wide.data(), wide.size());
    if (units == 0) {
        return; // nothing to convert, or the platform refused: the text as read
    }
    const std::size_t written =
        WideToAnsi(wide.data(), units, text.data(), ReadLimit, Unmappable::LookAlike);
    text[written] = '\0';
}

} // namespace zandrel
