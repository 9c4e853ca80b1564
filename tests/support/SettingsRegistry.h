#pragma once
// The plug-in's registry keys under HKEY_CURRENT_USER, for tests that load the
// DLL with chosen settings. Each scope starts from deleted keys and deletes
// them again at its end. Windows only.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "plugin/WindowsHandles.h"
#include "support/SettingsExpectations.h"

namespace zandrel::test {

class SettingsRegistry {
public:
    SettingsRegistry() { DeleteAll(); }
    SettingsRegistry(const SettingsRegistry&) = delete;
    SettingsRegistry& operator=(const SettingsRegistry&) = delete;
    ~SettingsRegistry() { DeleteAll(); }

    static void DeleteAll()
    {
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Marrowick");
        ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Marrowick");
        ::RegDeleteTreeA(HKEY_CURRENT_USER, "Marrowick");
        ::RegDeleteKeyA(HKEY_CURRENT_USER, "Marrowick");
    }

    // FileMasks as REG_SZ (the list's text form) and LimitLines as 4 bytes REG_BINARY.
    static bool Write(const std::string& fileMasks, std::int32_t limitLines)
    {
        HKEY key = nullptr;
        if (::RegCreateKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr) != ERROR_SUCCESS) {
            return false;
        }
        const UniqueRegKey owner(key);
        bool ok = ::RegSetValueExA(key, "FileMasks", 0, REG_SZ,
                                   reinterpret_cast<const BYTE*>(fileMasks.c_str()),
                                   static_cast<DWORD>(fileMasks.size() + 1)) == ERROR_SUCCESS;
        ok = ok && ::RegSetValueExA(key, "LimitLines", 0, REG_BINARY,
                                    reinterpret_cast<const BYTE*>(&limitLines),
                                    sizeof limitLines) == ERROR_SUCCESS;
        return ok;
    }

    static std::optional<std::string> ReadFileMasks()
    {
        char data[4096];
        DWORD size = sizeof data;
        DWORD type = 0;
        if (::RegGetValueA(HKEY_CURRENT_USER, SettingsKey, "FileMasks", RRF_RT_ANY, &type, data,
                           &size) != ERROR_SUCCESS ||
            type != REG_SZ || size == 0) {
            return std::nullopt;
        }
        return std::string(data, size - 1);
    }

    static std::optional<std::int32_t> ReadLimitLines()
    {
        std::int32_t value = 0;
        DWORD size = sizeof value;
        DWORD type = 0;
        if (::RegGetValueA(HKEY_CURRENT_USER, SettingsKey, "LimitLines", RRF_RT_ANY, &type, &value,
                           &size) != ERROR_SUCCESS ||
            type != REG_BINARY || size != sizeof value) {
            return std::nullopt;
        }
        return value;
    }

    static bool KeyExists()
    {
        HKEY key = nullptr;
        if (::RegOpenKeyExA(HKEY_CURRENT_USER, SettingsKey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return false;
        }
        const UniqueRegKey owner(key);
        return true;
    }
};

} // namespace zandrel::test
