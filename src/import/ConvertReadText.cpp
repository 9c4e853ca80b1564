#include "import/ConvertReadText.h"

#include "platform/CodePageConversion.h"
#include "import/ChooseTextReader.h"
#include "import/encoding/ConvertMarkedText.h"
#include "import/ConvertMarkupText.h"
#include "import/encoding/ConvertOemText.h"
#include "import/encoding/Utf8WellFormed.h"

namespace zandrel {

void ConvertReadText(ReadBuffer& text, std::size_t bytesRead, const char* name) noexcept
{
    if (const TextReader reader = ChooseTextReader(name, text.data(), bytesRead);
        reader != TextReader::AsRead) {
        ConvertMarkupText(text, bytesRead, reader);
        return;
    }
    if (ConvertMarkedText(text, bytesRead)) {
        return;
    }
    if (HoldsWellFormedUtf8(text.data(), bytesRead)) {
        // UTF-8 text is never OEM text, even in a .DIZ file.
        if (!AnsiCodePageIsUtf8()) {
            ConvertUtf8Text(text, 0, bytesRead);
        }
        return;
    }
    if (NamesOemText(name)) {
        ConvertOemText(text);
    }
}

} // namespace zandrel
