#include "import/ReadTextStart.h"

#include <algorithm>
#include <cstdint>

#include "platform/HandleOwners.h"

namespace zandrel {

std::size_t ReadTextStart(FileSource& source, const char* path, ReadBuffer& buffer) noexcept
{
    buffer[0] = '\0';
    if (!source.Open(path)) {
        return 0;
    }
    const OpenFile file(&source);

    std::uint64_t size = 0;
    std::uint64_t position = 0;
    if (!source.GetSize(size) || !source.GetPosition(position) || position >= size) {
        return 0;
    }
    std::uint32_t bytesRead = 0;
    if (!source.Read(buffer.data(), static_cast<std::uint32_t>(ReadLimit), bytesRead)) {
        return 0;
    }
    const std::size_t kept = std::min<std::size_t>(bytesRead, ReadLimit);
    buffer[kept] = '\0';
    return kept;
}

} // namespace zandrel
