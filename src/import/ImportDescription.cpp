#include "import/ImportDescription.h"

#include <cstring>

#include "import/BinaryFormatSignatures.h"
#include "import/ChooseCandidateName.h"
#include "import/ConvertReadText.h"
#include "import/text/CutToDescriptionCapacity.h"
#include "import/text/DropLoneLeadByte.h"
#include "import/ImportLimits.h"
#include "import/text/NormaliseDescriptionText.h"
#include "import/ReadTextStart.h"

namespace zandrel {

void ImportDescription(const char* names, char* description, ResolvePathProc resolvePath,
                       FileSource& source, LineLimit limit)
{
    if (names == nullptr || description == nullptr || resolvePath == nullptr) {
        return;
    }
    const char* const name = ChooseCandidateName(names);
    const char* path = resolvePath(name);
    if (path == nullptr || *path == '\0') {
        return;
    }
    ReadBuffer text; // written up to its zero by ReadTextStart
    const std::size_t bytesRead = ReadTextStart(source, path, text);
    // An archive, a program, a document of a word processor or a picture is
    // no description, however its bytes would convert.
    if (bytesRead == 0 || BinaryFormatAtStart(text.data(), bytesRead) != nullptr) {
        return;
    }
    ConvertReadText(text, bytesRead, name);
    DropLoneLeadByte(text.data());
    if (limit.enabled) {
        ApplyLineLimit(text.data(), limit.lines);
    }
    NormalisedBuffer result;
    std::size_t length = NormaliseDescriptionText(text.data(), result);
    length = CutToDescriptionCapacity(result.data(), length);
    std::memcpy(description, result.data(), length + 1);
}

} // namespace zandrel
