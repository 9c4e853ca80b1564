#pragma once
// A file source over bytes in memory that records what the import asked of it
// and can fail at any step. It allocates nothing while it is used.

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/FileSource.h"

namespace zandrel::test {

class FakeFileSource final : public FileSource {
public:
    // Set before the import.
    std::string content;
    bool openFails = false;
    bool sizeFails = false;
    bool positionFails = false;
    bool readFails = false;
    std::uint64_t extraSize = 0;       // added to the reported size
    std::uint64_t startPosition = 0;   // reported position after opening
    std::uint32_t deliverAtMost = ~0u; // a short read

    // Read after the import.
    char openedPath[1024] = {}; // room for the longest path a test hands over
    int openCalls = 0;
    int readCalls = 0;
    int closeCalls = 0; // Close while open
    std::uint32_t requestedBytes = 0;
    bool isOpen = false;

    bool Open(const char* path) noexcept override
    {
        ++openCalls;
        std::strncpy(openedPath, path, sizeof openedPath - 1);
        isOpen = !openFails;
        return isOpen;
    }
    bool GetSize(std::uint64_t& size) noexcept override
    {
        size = content.size() + extraSize;
        return isOpen && !sizeFails;
    }
    bool GetPosition(std::uint64_t& position) noexcept override
    {
        position = startPosition;
        return isOpen && !positionFails;
    }
    bool Read(char* buffer, std::uint32_t count, std::uint32_t& bytesRead) noexcept override
    {
        ++readCalls;
        requestedBytes = count;
        bytesRead = 0;
        if (!isOpen || readFails) {
            return false;
        }
        bytesRead = static_cast<std::uint32_t>(
            std::min<std::size_t>({count, content.size(), std::size_t{deliverAtMost}}));
        std::memcpy(buffer, content.data(), bytesRead);
        return true;
    }
    void Close() noexcept override
    {
        if (isOpen) {
            ++closeCalls;
            isOpen = false;
        }
    }
};

} // namespace zandrel::test
