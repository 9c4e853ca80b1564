#pragma once
// The plug-in's registry keys under HKEY_CURRENT_USER, for tests that load the
// DLL with chosen settings. Each scope starts from deleted keys and deletes
// them again at its end. Windows only.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "platform/AdvapiRegistry.h"
#include "support/RegistryKeys.h"
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
        const auto limit = static_cast<std::uint32_t>(limitLines);
        return PutText(AdvapiRegistry(), SettingsKey, "FileMasks", fileMasks) &&
               PutValue(AdvapiRegistry(), SettingsKey, "LimitLines", RegBinary,
                        {static_cast<std::uint8_t>(limit), static_cast<std::uint8_t>(limit >> 8),
                         static_cast<std::uint8_t>(limit >> 16),
                         static_cast<std::uint8_t>(limit >> 24)});
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

    static bool KeyExists() { return test::KeyExists(AdvapiRegistry(), SettingsKey); }
};

} // namespace zandrel::test
