// ChooseCandidateName over any name list: the result is the start of one of
// the list's names and is the one the rules pick; nothing past the closing
// empty name is read. The first byte picks the code page.
#include <vector>

#include "FuzzInput.h"
#include "import/ChooseCandidateName.h"

namespace {

bool HasDrivePart(const char* name)
{
    return name[0] != '\0' && (name[1] == ':' || (name[0] == '\\' && name[1] == '\\'));
}

int Separators(const char* name)
{
    int count = 0;
    for (; *name != '\0'; name = zandrel::StepChar(name)) {
        count += (*name == '/' || *name == '\\') ? 1 : 0;
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zandrel;
    if (size == 0) {
        return 0;
    }
    fuzz::SetCodePageFromMode(data[0]);
    ++data;
    --size;
    // The list as the host lays it out: the bytes, then a zero ending the last
    // name and a zero closing the list, in a block of exactly that size.
    auto list = std::make_unique<char[]>(size + 2);
    std::memcpy(list.get(), data, size);
    list[size] = '\0';
    list[size + 1] = '\0';

    std::vector<const char*> names;
    for (const char* p = list.get(); *p != '\0'; p += std::strlen(p) + 1) {
        names.push_back(p);
    }
    const char* chosen = ChooseCandidateName(list.get());

    const char* expected = list.get();
    if (!names.empty() && !HasDrivePart(names[0])) {
        int fewest = Separators(names[0]);
        for (const char* name : names) {
            if (fewest == 0) {
                break;
            }
            const int count = Separators(name);
            if (count < fewest) {
                fewest = count;
                expected = name;
            }
        }
    }
    if (chosen != expected) {
        fuzz::Fail("chosen name differs from the rules");
    }
    return 0;
}
