#include "import/MarkdownText.h"

namespace zandrel {

std::size_t MarkdownToText(char16_t*, std::size_t units) noexcept
{
    return units; // not yet read
}

} // namespace zandrel
