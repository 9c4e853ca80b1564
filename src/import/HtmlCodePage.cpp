#include "import/HtmlCodePage.h"

namespace zandrel {

bool FindDeclaredCodePage(const char*, std::size_t, TextCodePage&) noexcept
{
    return false; // not yet read
}

} // namespace zandrel
