#pragma once
// The plug-in's registry keys under HKEY_CURRENT_USER, for tests that load the
// DLL with chosen settings or run the store over the real registry. Each scope
// starts from deleted keys and deletes them again at its end, read-only keys
// included. Windows only.

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
        AllowAll(HKEY_CURRENT_USER, "Software\\Marrowick");
        AllowAll(HKEY_CURRENT_USER, "Marrowick");
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

    // A key that everyone may read but not change, create keys below or delete:
    // its access list grants reading and changing that list only.
    static bool MakeReadOnly(const char* path)
    {
        SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
        PSID everyone = nullptr;
        if (!::AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0,
                                        &everyone)) {
            return false;
        }
        alignas(ACL) unsigned char aclBytes[256];
        auto* acl = reinterpret_cast<ACL*>(aclBytes);
        const bool built = ::InitializeAcl(acl, sizeof aclBytes, ACL_REVISION) &&
                           ::AddAccessAllowedAce(acl, ACL_REVISION, KEY_READ | WRITE_DAC, everyone);
        ::FreeSid(everyone);
        return built && SetAccessList(HKEY_CURRENT_USER, path, acl);
    }

private:
    static bool SetAccessList(HKEY parent, const char* path, ACL* acl)
    {
        SECURITY_DESCRIPTOR descriptor{};
        HKEY key = nullptr;
        if (!::InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) ||
            !::SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE) ||
            ::RegOpenKeyExA(parent, path, 0, WRITE_DAC, &key) != ERROR_SUCCESS) {
            return false;
        }
        const bool set =
            ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor) == ERROR_SUCCESS;
        ::RegCloseKey(key);
        return set;
    }

    // The key and every key below it open to everyone again (no access list),
    // so that a test that made one read-only cannot leave it behind.
    static void AllowAll(HKEY parent, const char* path)
    {
        SetAccessList(parent, path, nullptr);
        HKEY key = nullptr;
        if (::RegOpenKeyExA(parent, path, 0, KEY_ENUMERATE_SUB_KEYS, &key) != ERROR_SUCCESS) {
            return;
        }
        char name[256];
        DWORD length = sizeof name;
        for (DWORD index = 0; ::RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr,
                                              nullptr) == ERROR_SUCCESS;
             ++index, length = sizeof name) {
            AllowAll(key, name);
        }
        ::RegCloseKey(key);
    }
};

} // namespace zandrel::test
