#include "import/ChooseCandidateName.h"

#include <cstddef>

#include "base/StepChar.h"

namespace zandrel {
namespace {

bool HasDrivePart(const char* name) noexcept
{
    if (name[0] == '\0' || name[1] == '\0') {
        return false;
    }
    return name[1] == ':' || (name[0] == '\\' && name[1] == '\\');
}

} // namespace

const char* ChooseCandidateName(const char* names) noexcept
{
    if (HasDrivePart(names)) {
        return names;
    }
    const char* chosen = names;
    std::size_t fewest = static_cast<std::size_t>(-1);
    for (const char* name = names; *name != '\0';) {
        std::size_t separators = 0;
        const char* p = name;
        // By character: a trail byte 0x5C of a double-byte character is no separator.
        for (; *p != '\0'; p = StepChar(p)) {
            separators += (*p == '/' || *p == '\\') ? 1 : 0;
        }
        if (separators < fewest) {
            chosen = name;
            fewest = separators;
            if (separators == 0) {
                break;
            }
        }
        name = p + 1;
    }
    return chosen;
}

} // namespace zandrel
