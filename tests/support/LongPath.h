#pragma once
// Files under paths of 260 bytes and more, longer than the ANSI file functions
// take. On Windows they are made through the verbatim ("\\?\") form, the only
// one that reaches them; the import is handed the plain path, as a host would.

#include <string>
#include <string_view>

#if defined(_WIN32)
#include <windows.h>

#include "platform/HandleOwners.h"
#else
#include <filesystem>
#include <fstream>
#include <system_error>
#endif

namespace zandrel::test {

#if defined(_WIN32)
inline constexpr char PathSeparator = '\\';

// The verbatim form of an absolute path in the ANSI code page.
inline std::wstring Verbatim(const std::string& path)
{
    std::wstring wide(path.size(), L'\0');
    wide.resize(static_cast<std::size_t>(
        ::MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), wide.data(),
                              static_cast<int>(wide.size()))));
    return L"\\\\?\\" + wide;
}

inline UniqueFile OpenLongPath(const std::string& path, DWORD access, DWORD shareMode,
                               DWORD disposition = OPEN_EXISTING)
{
    return UniqueFile(::CreateFileW(Verbatim(path).c_str(), access, shareMode, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
}
#else
inline constexpr char PathSeparator = '/';
#endif

// A path of exactly `length` bytes below the folder `base`: as many folders
// named `folder` as fit, then a file name of 'f's ending in ".txt".
inline std::string LongPath(const std::string& base, std::size_t length, std::string_view folder)
{
    std::string path = base;
    while (path.size() + folder.size() + 2 + 20 <= length) {
        path += PathSeparator;
        path += folder;
    }
    path += PathSeparator;
    return path + std::string(length - path.size() - 4, 'f') + ".txt";
}

#if defined(_WIN32)
// Writes `bytes` into the file at `verbatim` (a "\\?\" path, so any name the
// wide form spells), making the folders on its way; false when it cannot.
inline bool WriteVerbatimFile(const std::wstring& verbatim, std::string_view bytes)
{
    for (std::size_t at = verbatim.find(L'\\', 4); at != std::wstring::npos;
         at = verbatim.find(L'\\', at + 1)) {
        ::CreateDirectoryW(verbatim.substr(0, at).c_str(), nullptr); // refused where it exists
    }
    const UniqueFile file(::CreateFileW(verbatim.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    return file &&
           ::WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                       nullptr) &&
           written == bytes.size();
}
#endif

// Writes `bytes` into the file at the absolute `path`, making the folders on
// its way; false when it cannot.
inline bool WriteLongPathFile(const std::string& path, std::string_view bytes)
{
#if defined(_WIN32)
    // The separators of the wide form: a double-byte character's trail byte may be '\'.
    return WriteVerbatimFile(Verbatim(path), bytes);
#else
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
#endif
}

} // namespace zandrel::test
