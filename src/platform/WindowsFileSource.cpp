#include "platform/WindowsFileSource.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace zandrel {
namespace {

using namespace std::string_view_literals;

// Others may go on reading and writing the file while it is read.
constexpr DWORD ShareMode = FILE_SHARE_READ | FILE_SHARE_WRITE;

// The ANSI file functions take a path of at most MAX_PATH - 1 bytes; most
// processes cannot open a longer one through them.
constexpr std::size_t AnsiPathLimit = MAX_PATH - 1;

// The longest path Windows opens at all, in UTF-16 code units: the kernel counts
// a path's length in bytes in 16 bits. A longer one names no file, so it is
// refused rather than cut.
constexpr std::size_t WidePathLimit = 32767;

// Room before the full path for the longest prefix, "\\?\UNC\" in place of "\\".
constexpr std::size_t PrefixRoom = 6;

bool HoldsAtMost(const char* path, std::size_t bytes) noexcept
{
    for (std::size_t i = 0; i <= bytes; ++i) {
        if (path[i] == '\0') {
            return true;
        }
    }
    return false;
}

HANDLE OpenAnsiPath(const char* path) noexcept
{
    return ::CreateFileA(path, GENERIC_READ, ShareMode, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The verbatim form of the absolute path `full`, written into the room before
// it: "\\?\" before a drive path, "\\?\UNC\" in place of a network path's "\\".
// A path already verbatim ("\\?\"), or a device path ("\\.\"), stays as it is.
wchar_t* ToVerbatim(wchar_t* full) noexcept
{
    const bool network = full[0] == L'\\' && full[1] == L'\\';
    if (network && (full[2] == L'?' || full[2] == L'.') && full[3] == L'\\') {
        return full;
    }
    const std::wstring_view prefix = network ? L"\\\\?\\UNC\\"sv : L"\\\\?\\"sv;
    wchar_t* const start = full + (network ? 2 : 0) - prefix.size();
    std::copy(prefix.begin(), prefix.end(), start);
    return start;
}

// A wide text on the heap, freed with its owner.
struct FreeWithStdFree {
    void operator()(wchar_t* text) const noexcept { std::free(text); }
};
using HeapWideText = std::unique_ptr<wchar_t[], FreeWithStdFree>;

HeapWideText AllocateWide(std::size_t units) noexcept
{
    return HeapWideText(static_cast<wchar_t*>(std::malloc(units * sizeof(wchar_t))));
}

// A path too long for the ANSI functions, opened in its verbatim form:
// converted from the ANSI code page as CreateFileA converts it, made absolute
// by GetFullPathNameW (which also resolves '/', "." and ".." parts as the ANSI
// functions do; the verbatim form takes a path as it stands), then prefixed.
// Such a path may run to 32,767 units, so its texts are sized to it and taken
// from the heap, not the host's stack; only a long path pays for that.
HANDLE OpenLongPath(const char* path) noexcept
{
    const int givenUnits = ::MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
    if (givenUnits <= 0 || static_cast<std::size_t>(givenUnits) > WidePathLimit + 1) {
        return INVALID_HANDLE_VALUE; // longer than any path Windows opens
    }
    const HeapWideText given = AllocateWide(static_cast<std::size_t>(givenUnits));
    if (!given || ::MultiByteToWideChar(CP_ACP, 0, path, -1, given.get(), givenUnits) == 0) {
        return INVALID_HANDLE_VALUE;
    }
    // The room the full path needs, its zero included.
    const DWORD fullUnits = ::GetFullPathNameW(given.get(), 0, nullptr, nullptr);
    if (fullUnits == 0 || fullUnits > WidePathLimit + 1) {
        return INVALID_HANDLE_VALUE;
    }
    const HeapWideText verbatim = AllocateWide(PrefixRoom + fullUnits);
    if (!verbatim) {
        return INVALID_HANDLE_VALUE;
    }
    wchar_t* const full = verbatim.get() + PrefixRoom;
    // Longer than asked for when the current folder changed in between.
    const DWORD length = ::GetFullPathNameW(given.get(), fullUnits, full, nullptr);
    if (length == 0 || length >= fullUnits) {
        return INVALID_HANDLE_VALUE;
    }
    const wchar_t* const opened = ToVerbatim(full);
    if (length + static_cast<std::size_t>(full - opened) > WidePathLimit) {
        return INVALID_HANDLE_VALUE;
    }
    return ::CreateFileW(opened, GENERIC_READ, ShareMode, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

bool WindowsFileSource::Open(const char* path) noexcept
{
    file_.Reset(HoldsAtMost(path, AnsiPathLimit) ? OpenAnsiPath(path) : OpenLongPath(path));
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
