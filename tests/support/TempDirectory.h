#pragma once
// A fresh directory under the system's temporary directory, removed with its
// files at the end of the test.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

#if defined(_WIN32)
#include <windows.h>

#include "platform/HandleOwners.h"
#endif

namespace zandrel::test {

#if defined(_WIN32)
// Removes the folder `verbatim` (in the "\\?\" form) and all below it, also
// under paths of 260 bytes and more, which the runtime's own removal refuses.
inline void RemoveTree(const std::wstring& verbatim)
{
    WIN32_FIND_DATAW entry;
    if (const UniqueFind search(::FindFirstFileW((verbatim + L"\\*").c_str(), &entry)); search) {
        do {
            const std::wstring name = entry.cFileName;
            const std::wstring path = verbatim + L"\\" + name;
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
                ::DeleteFileW(path.c_str());
            } else if (name != L"." && name != L"..") {
                RemoveTree(path);
            }
        } while (::FindNextFileW(search.Get(), &entry));
    }
    ::RemoveDirectoryW(verbatim.c_str());
}
#endif

class TempDirectory {
public:
    TempDirectory()
    {
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        for (int attempt = 0;; ++attempt) {
            path_ = std::filesystem::temp_directory_path() /
                    ("zandrel-" + std::to_string(stamp) + "-" + std::to_string(attempt));
            if (std::filesystem::create_directory(path_)) {
                break;
            }
        }
    }
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;
    ~TempDirectory()
    {
#if defined(_WIN32)
        RemoveTree(L"\\\\?\\" + path_.wstring());
#else
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
#endif
    }

    [[nodiscard]] const std::filesystem::path& Path() const { return path_; }

    // Writes `bytes` to the file `name` in the directory; returns its path as
    // 8-bit text, as the host's path callback hands it over.
    std::string Write(std::string_view name, std::string_view bytes) const
    {
        const std::filesystem::path file = path_ / name;
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file.string();
    }

private:
    std::filesystem::path path_;
};

} // namespace zandrel::test
