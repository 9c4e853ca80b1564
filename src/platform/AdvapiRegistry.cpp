#include "platform/AdvapiRegistry.h"

#include <windows.h>

namespace zandrel {
namespace {

static_assert(RegSuccess == ERROR_SUCCESS && RegFileNotFound == ERROR_FILE_NOT_FOUND &&
              RegMoreData == ERROR_MORE_DATA && RegNoMoreItems == ERROR_NO_MORE_ITEMS &&
              RegKeyDeleted == ERROR_KEY_DELETED && RegAccessDenied == ERROR_ACCESS_DENIED);
static_assert(RegNone == REG_NONE && RegSz == REG_SZ && RegExpandSz == REG_EXPAND_SZ &&
              RegBinary == REG_BINARY && RegDword == REG_DWORD);
static_assert(RegKeyAllAccess == KEY_ALL_ACCESS && RegKeyRead == KEY_READ &&
              RegKeySetValue == KEY_SET_VALUE && RegOptionNonVolatile == REG_OPTION_NON_VOLATILE);
static_assert(RegCreatedNewKey == REG_CREATED_NEW_KEY &&
              RegOpenedExistingKey == REG_OPENED_EXISTING_KEY);

HKEY ToHkey(RegKey key) noexcept
{
    return reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(key));
}

RegKey FromHkey(HKEY key) noexcept
{
    return static_cast<RegKey>(reinterpret_cast<std::uintptr_t>(key));
}

class Advapi32Registry final : public RegistryApi {
public:
    RegStatus OpenKeyEx(RegKey base, const char* subKey, std::uint32_t options,
                        std::uint32_t access, RegKey* result) noexcept override
    {
        HKEY key = nullptr;
        const LONG status = ::RegOpenKeyExA(ToHkey(base), subKey, options, access, &key);
        if (status == ERROR_SUCCESS) {
            *result = FromHkey(key);
        }
        return status;
    }

    RegStatus CreateKeyEx(RegKey base, const char* subKey, std::uint32_t options,
                          std::uint32_t access, RegKey* result,
                          std::uint32_t* disposition) noexcept override
    {
        HKEY key = nullptr;
        DWORD how = 0;
        const LONG status = ::RegCreateKeyExA(ToHkey(base), subKey, 0, nullptr, options, access,
                                              nullptr, &key, &how);
        if (status == ERROR_SUCCESS) {
            *result = FromHkey(key);
            if (disposition != nullptr) {
                *disposition = how;
            }
        }
        return status;
    }

    RegStatus QueryValueEx(RegKey key, const char* valueName, std::uint32_t* type,
                           std::uint8_t* data, std::uint32_t* size) noexcept override
    {
        DWORD valueType = 0;
        DWORD dataSize = *size;
        const LONG status =
            ::RegQueryValueExA(ToHkey(key), valueName, nullptr, &valueType, data, &dataSize);
        if (type != nullptr) {
            *type = valueType;
        }
        *size = dataSize;
        return status;
    }

    RegStatus SetValueEx(RegKey key, const char* valueName, std::uint32_t type,
                         const std::uint8_t* data, std::uint32_t size) noexcept override
    {
        return ::RegSetValueExA(ToHkey(key), valueName, 0, type, data, size);
    }

    RegStatus QueryInfoKey(RegKey key, std::uint32_t* subKeyCount, std::uint32_t* maxSubKeyLength,
                           std::uint32_t* valueCount) noexcept override
    {
        DWORD count = 0;
        DWORD longest = 0;
        DWORD values = 0;
        const LONG status =
            ::RegQueryInfoKeyA(ToHkey(key), nullptr, nullptr, nullptr, &count, &longest, nullptr,
                               &values, nullptr, nullptr, nullptr, nullptr);
        *subKeyCount = count;
        *maxSubKeyLength = longest;
        *valueCount = values;
        return status;
    }

    RegStatus EnumKeyEx(RegKey key, std::uint32_t index, char* name,
                        std::uint32_t* nameLength) noexcept override
    {
        DWORD length = *nameLength;
        const LONG status =
            ::RegEnumKeyExA(ToHkey(key), index, name, &length, nullptr, nullptr, nullptr, nullptr);
        *nameLength = length;
        return status;
    }

    RegStatus DeleteKey(RegKey base, const char* subKey) noexcept override
    {
        return ::RegDeleteKeyA(ToHkey(base), subKey);
    }

    RegStatus CloseKey(RegKey key) noexcept override { return ::RegCloseKey(ToHkey(key)); }
};

} // namespace

RegistryApi& AdvapiRegistry() noexcept
{
    static Advapi32Registry registry;
    return registry;
}

} // namespace zandrel
