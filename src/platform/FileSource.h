#pragma once

#include <cstdint>

namespace zandrel {

// The file calls of the import, one file at a time: on Windows CreateFileA (or
// CreateFileW for a path of 260 bytes and more), GetFileSize, SetFilePointer,
// ReadFile and CloseHandle. Every call but Close
// reports failure as false. Close may be called at any time, also twice.
class FileSource {
public:
    virtual ~FileSource() = default;

    // Opens an existing file for reading; others may go on reading and writing it.
    // The path, of any length, names the file whole: it is never cut.
    virtual bool Open(const char* path) noexcept = 0;
    virtual bool GetSize(std::uint64_t& size) noexcept = 0;
    virtual bool GetPosition(std::uint64_t& position) noexcept = 0;
    // One read request of `count` bytes; `bytesRead` is what it delivered.
    virtual bool Read(char* buffer, std::uint32_t count, std::uint32_t& bytesRead) noexcept = 0;
    virtual void Close() noexcept = 0;

protected:
    FileSource() = default;
    FileSource(const FileSource&) = default;
    FileSource& operator=(const FileSource&) = default;
};

} // namespace zandrel
