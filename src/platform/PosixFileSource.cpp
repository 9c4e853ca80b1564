#include "platform/PosixFileSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zandrel {

bool PosixFileSource::Open(const char* path) noexcept
{
    file_.Reset(::open(path, O_RDONLY | O_CLOEXEC));
    return static_cast<bool>(file_);
}

bool PosixFileSource::GetSize(std::uint64_t& size) noexcept
{
    struct stat info {};
    if (::fstat(file_.Get(), &info) != 0) {
        return false;
    }
    size = static_cast<std::uint64_t>(info.st_size);
    return true;
}

bool PosixFileSource::GetPosition(std::uint64_t& position) noexcept
{
    const off_t offset = ::lseek(file_.Get(), 0, SEEK_CUR);
    if (offset < 0) {
        return false;
    }
    position = static_cast<std::uint64_t>(offset);
    return true;
}

bool PosixFileSource::Read(char* buffer, std::uint32_t count, std::uint32_t& bytesRead) noexcept
{
    const ssize_t got = ::read(file_.Get(), buffer, count);
    bytesRead = got > 0 ? static_cast<std::uint32_t>(got) : 0;
    return got >= 0;
}

} // namespace zandrel
