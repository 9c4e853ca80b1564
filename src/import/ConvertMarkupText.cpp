#include "import/ConvertMarkupText.h"

#include <cstring>

#include "import/ConvertMarkedText.h"
#include "import/DropLoneLeadByte.h"
#include "import/HtmlCodePage.h"
#include "import/HtmlText.h"
#include "import/MarkdownText.h"
#include "import/readers/rst/RestructuredText.h"
#include "import/Utf8WellFormed.h"
#include "platform/CodePageConversion.h"

namespace zandrel {
namespace {

// The length of a Shift_JIS text without a last lead byte whose trail byte is
// missing: the read cut its character in two, whatever the ANSI code page.
std::size_t WholeShiftJisCharacters(const char* bytes, std::size_t count) noexcept
{
    std::size_t at = 0;
    while (at < count) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        if (lead && at + 1 == count) {
            return at;
        }
        at += lead ? 2 : 1;
    }
    return count;
}

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
    std::size_t count = strnlen(text.data(), bytesRead);
    if (codePage == TextCodePage::ShiftJis) {
        count = WholeShiftJisCharacters(text.data(), count);
    }
    return CodePageToWide(codePage, text.data(), count, wide.data(), wide.size());
}

} // namespace

// Kept out of line: its wide text would otherwise sit in the frame of every
// import, plain texts included.
[[gnu::noinline]] void ConvertMarkupText(ReadBuffer& text, std::size_t bytesRead,
                                         TextReader reader) noexcept
{
    WideTextBuffer wide; // written up to the count the decoding gives
    std::size_t units = 0;
    if (!MarkedTextToWide(text, bytesRead, wide, units)) {
        units = UnmarkedTextToWide(text, bytesRead, reader, wide);
    }
    switch (reader) {
    case TextReader::Html:
        units = HtmlToText(wide.data(), units);
        break;
    case TextReader::RestructuredText:
        units = RestructuredTextToText(wide.data(), units);
        break;
    default:
        units = MarkdownToText(wide.data(), units);
        break;
    }
    ReplaceWithAnsi(text, wide.data(), units);
}

} // namespace zandrel
