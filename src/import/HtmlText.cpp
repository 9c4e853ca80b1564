#include "import/HtmlText.h"

namespace zandrel {

std::size_t HtmlToText(char16_t*, std::size_t units) noexcept
{
    return units; // not yet read
}

} // namespace zandrel
