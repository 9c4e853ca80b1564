#include "import/ConvertMarkupText.h"

#include <cstring>

#include "import/ConvertMarkedText.h"
#include "import/DropLoneLeadByte.h"
#include "import/HtmlCodePage.h"
#include "import/HtmlText.h"
#include "import/MarkdownText.h"
#include "import/Utf8WellFormed.h"
#include "platform/CodePageConversion.h"

namespace zandrel {
namespace {

std::size_t UnmarkedTextToWide(ReadBuffer& text, std::size_t bytesRead, TextReader reader,
                               WideTextBuffer& wide) noexcept
{
    TextCodePage codePage = TextCodePage::Ansi;
    if (reader != TextReader::Html || !FindDeclaredCodePage(text.data(), bytesRead, codePage)) {
        codePage = HoldsWellFormedUtf8(text.data(), bytesRead) ? TextCodePage::Utf8 : TextCodePage::Ansi;
    }
    if (codePage == TextCodePage::Utf8) {
        return Utf8TextToWide(text, 0, bytesRead, wide);
    }
    if (codePage == TextCodePage::Ansi) {
        DropLoneLeadByte(text.data());
    }
    return CodePageToWide(codePage, text.data(), strnlen(text.data(), bytesRead), wide.data(),
                          wide.size());
}

} // namespace

void ConvertMarkupText(ReadBuffer& text, std::size_t bytesRead, TextReader reader) noexcept
{
    WideTextBuffer wide; // written up to the count the decoding gives
    std::size_t units = 0;
    if (!MarkedTextToWide(text, bytesRead, wide, units)) {
        units = UnmarkedTextToWide(text, bytesRead, reader, wide);
    }
    units = reader == TextReader::Html ? HtmlToText(wide.data(), units)
                                       : MarkdownToText(wide.data(), units);
    ReplaceWithAnsi(text, wide.data(), units);
}

} // namespace zandrel
