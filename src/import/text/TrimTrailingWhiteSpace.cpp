#include "import/text/TrimTrailingWhiteSpace.h"

#include "base/CharacterClasses.h"
#include "base/StepChar.h"

namespace zandrel {

std::size_t TrimTrailingWhiteSpace(char* text, std::size_t length) noexcept
{
    return DbcsEnabled ? TrimTrailingWhiteSpaceDoubleByte(text)
                       : TrimTrailingWhiteSpaceSingleByte(text, length);
}

std::size_t TrimTrailingWhiteSpaceSingleByte(char* text, std::size_t length) noexcept
{
    while (length > 0 && IsTrailingWhiteSpace(text[length - 1])) {
        --length;
    }
    text[length] = '\0';
    return length;
}

std::size_t TrimTrailingWhiteSpaceDoubleByte(char* text) noexcept
{
    char* keepEnd = text;
    for (char* p = text; *p != '\0';) {
        char* next = StepChar(p);
        if (!IsTrailingWhiteSpace(*p)) {
            keepEnd = next;
        }
        p = next;
    }
    *keepEnd = '\0';
    return static_cast<std::size_t>(keepEnd - text);
}

} // namespace zandrel
