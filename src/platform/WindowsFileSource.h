#pragma once
// Windows builds only.

#include "platform/FileSource.h"
#include "platform/HandleOwners.h"

namespace zandrel {

class WindowsFileSource final : public FileSource {
public:
    bool Open(const char* path) noexcept override;
    bool GetSize(std::uint64_t& size) noexcept override;
    bool GetPosition(std::uint64_t& position) noexcept override;
    bool Read(char* buffer, std::uint32_t count, std::uint32_t& bytesRead) noexcept override;
    void Close() noexcept override { file_.Reset(); }

private:
    UniqueFile file_;
};

} // namespace zandrel
