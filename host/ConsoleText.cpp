#include "ConsoleText.h"

#include <windows.h>

#include <string>

namespace zandrel::host {
namespace {

void WriteTo(DWORD which, std::string_view text)
{
    const HANDLE handle = ::GetStdHandle(which);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || text.empty()) {
        return;
    }
    DWORD mode = 0;
    if (::GetConsoleMode(handle, &mode)) {
        const int length = static_cast<int>(text.size());
        const int wideLength = ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
        if (wideLength > 0) {
            std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
            ::MultiByteToWideChar(CP_ACP, 0, text.data(), length, wide.data(), wideLength);
            DWORD written = 0;
            ::WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written,
                            nullptr);
            return;
        }
    }
    while (!text.empty()) {
        DWORD written = 0;
        if (!::WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
            written == 0) {
            return;
        }
        text.remove_prefix(written);
    }
}

} // namespace

void WriteOut(std::string_view text)
{
    WriteTo(STD_OUTPUT_HANDLE, text);
}
void WriteErr(std::string_view text)
{
    WriteTo(STD_ERROR_HANDLE, text);
}

} // namespace zandrel::host
