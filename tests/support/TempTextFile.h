#pragma once
// A text file in the temporary directory, removed again at the end. Windows only.

#include <windows.h>

#include <string>

namespace zandrel::test {

class TempTextFile {
public:
    explicit TempTextFile(const std::string& content)
    {
        char directory[MAX_PATH];
        ::GetTempPathA(MAX_PATH, directory);
        static int serial = 0;
        path_ = std::string(directory) + "zandrel-test-" + std::to_string(::GetCurrentProcessId()) +
                "-" + std::to_string(++serial) + ".txt";
        HANDLE file = ::CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written,
                        nullptr);
            ::CloseHandle(file);
        }
    }
    TempTextFile(const TempTextFile&) = delete;
    TempTextFile& operator=(const TempTextFile&) = delete;
    ~TempTextFile() { ::DeleteFileA(path_.c_str()); }

    [[nodiscard]] const std::string& Path() const { return path_; }

private:
    std::string path_;
};

} // namespace zandrel::test
