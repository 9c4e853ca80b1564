#include "platform/WindowsFileSource.h"

namespace zandrel {

bool WindowsFileSource::Open(const char* path) noexcept
{
    file_.Reset(::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file_);
}

bool WindowsFileSource::GetSize(std::uint64_t& size) noexcept
{
    // INVALID_FILE_SIZE is also a valid low half; only the error code tells.
    DWORD high = 0;
    ::SetLastError(NO_ERROR);
    const DWORD low = ::GetFileSize(file_.Get(), &high);
    if (low == INVALID_FILE_SIZE && ::GetLastError() != NO_ERROR) {
        return false;
    }
    size = (std::uint64_t{high} << 32) | low;
    return true;
}

bool WindowsFileSource::GetPosition(std::uint64_t& position) noexcept
{
    LONG high = 0;
    ::SetLastError(NO_ERROR);
    const DWORD low = ::SetFilePointer(file_.Get(), 0, &high, FILE_CURRENT);
    if (low == INVALID_SET_FILE_POINTER && ::GetLastError() != NO_ERROR) {
        return false;
    }
    position = (std::uint64_t{static_cast<DWORD>(high)} << 32) | low;
    return true;
}

bool WindowsFileSource::Read(char* buffer, std::uint32_t count, std::uint32_t& bytesRead) noexcept
{
    DWORD read = 0;
    const BOOL ok = ::ReadFile(file_.Get(), buffer, count, &read, nullptr);
    bytesRead = read;
    return ok != FALSE;
}

} // namespace zandrel
