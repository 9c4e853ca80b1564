#include "import/ConvertOemText.h"

#include <cstring>
#include <string_view>

#include "platform/CodePageConversion.h"

namespace zandrel {
namespace {

bool EndsWithIgnoringCase(std::string_view text, std::string_view ending) noexcept
{
    if (text.size() < ending.size()) {
        return false;
    }
    const std::string_view tail = text.substr(text.size() - ending.size());
    for (std::size_t i = 0; i < ending.size(); ++i) {
        // Byte by byte: no code page has a trail byte as low as the dot, so
        // the ending is whole characters.
        const char c = tail[i];
        const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        if (upper != ending[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

bool NamesOemText(const char* name) noexcept
{
    const std::string_view text(name);
    return EndsWithIgnoringCase(text, ".DIZ") || EndsWithIgnoringCase(text, ".NFO");
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
