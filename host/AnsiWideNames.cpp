#include "AnsiWideNames.h"

#include <windows.h>

namespace zandrel::host {

std::wstring WideFromAnsi(std::string_view ansi)
{
    const int length = static_cast<int>(ansi.size());
    const int units = ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(units > 0 ? units : 0), L'\0');
    if (units > 0) {
        ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, wide.data(), units);
    }
    return wide;
}

bool AnsiFromWide(std::wstring_view wide, std::string& ansi)
{
    ansi.clear();
    if (wide.empty()) {
        return true;
    }
    const int units = static_cast<int>(wide.size());
    BOOL lossy = FALSE;
    const int bytes = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), units,
                                            nullptr, 0, nullptr, &lossy);
    if (bytes <= 0 || lossy) {
        return false;
    }
    ansi.resize(static_cast<std::size_t>(bytes));
    ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), units, ansi.data(), bytes,
                          nullptr, nullptr);
    return true;
}

std::wstring WidePathForListing(const std::string& path, std::wstring_view name)
{
    std::wstring wide = WideFromAnsi(path);
    if (!wide.empty() && wide.back() != L'\\' && wide.back() != L'/') {
        wide += L'\\';
    }
    wide += name;
    if (wide.size() < MAX_PATH || wide.rfind(L"\\\\?\\", 0) == 0 ||
        wide.rfind(L"\\\\.\\", 0) == 0) {
        return wide;
    }
    // The verbatim form takes the path as it stands: '/' is no separator there.
    for (wchar_t& unit : wide) {
        unit = unit == L'/' ? L'\\' : unit;
    }
    if (wide.rfind(L"\\\\", 0) == 0) {
        return L"\\\\?\\UNC\\" + wide.substr(2);
    }
    return L"\\\\?\\" + wide;
}

} // namespace zandrel::host
