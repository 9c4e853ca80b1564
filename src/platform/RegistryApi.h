#pragma once
// The eight advapi32 registry calls the settings store makes, behind an
// interface of our own so that the store runs the same over the real registry
// and over an in-memory one. Each call keeps the meaning of its ANSI original;
// only the arguments the store never varies (reserved words, class, security
// attributes, last-write time) are left out.

#include <cstdint>

namespace zandrel {

// A key handle as the platform hands it out; 0 is never a key.
enum class RegKey : std::uintptr_t {
    None = 0,
    // HKEY_CURRENT_USER: 0x80000001 sign-extended to the pointer width.
    CurrentUser = static_cast<std::uintptr_t>(static_cast<std::intptr_t>(INT32_C(-2147483647))),
};

// The platform's status code: 0 is success, anything else a Windows error.
using RegStatus = std::int32_t;

inline constexpr RegStatus RegSuccess = 0;       // ERROR_SUCCESS
inline constexpr RegStatus RegFileNotFound = 2;  // ERROR_FILE_NOT_FOUND: no such key or value
inline constexpr RegStatus RegAccessDenied = 5;  // ERROR_ACCESS_DENIED
inline constexpr RegStatus RegInvalidHandle = 6; // ERROR_INVALID_HANDLE
inline constexpr RegStatus RegBadPathname = 161; // ERROR_BAD_PATHNAME
inline constexpr RegStatus RegMoreData = 234;    // ERROR_MORE_DATA
inline constexpr RegStatus RegNoMoreItems = 259; // ERROR_NO_MORE_ITEMS
inline constexpr RegStatus RegKeyDeleted = 1018; // ERROR_KEY_DELETED

// Value types.
inline constexpr std::uint32_t RegNone = 0;
inline constexpr std::uint32_t RegSz = 1;
inline constexpr std::uint32_t RegExpandSz = 2;
inline constexpr std::uint32_t RegBinary = 3;
inline constexpr std::uint32_t RegDword = 4;

// Access rights.
inline constexpr std::uint32_t RegKeyQueryValue = 0x0001;
inline constexpr std::uint32_t RegKeySetValue = 0x0002;
inline constexpr std::uint32_t RegKeyCreateSubKey = 0x0004;
inline constexpr std::uint32_t RegKeyEnumerateSubKeys = 0x0008;
inline constexpr std::uint32_t RegKeyRead = 0x20019;
inline constexpr std::uint32_t RegKeyAllAccess = 0xF003F;

inline constexpr std::uint32_t RegOptionNonVolatile = 0;

// RegCreateKeyExA's disposition.
inline constexpr std::uint32_t RegCreatedNewKey = 1;
inline constexpr std::uint32_t RegOpenedExistingKey = 2;

class RegistryApi {
public:
    virtual ~RegistryApi() = default;

    // RegOpenKeyExA. subKey is relative to base and never starts with '\'.
    virtual RegStatus OpenKeyEx(RegKey base, const char* subKey, std::uint32_t options,
                                std::uint32_t access, RegKey* result) noexcept = 0;
    // RegCreateKeyExA without class or security attributes; creates every
    // missing key on the way. disposition may be null.
    virtual RegStatus CreateKeyEx(RegKey base, const char* subKey, std::uint32_t options,
                                  std::uint32_t access, RegKey* result,
                                  std::uint32_t* disposition) noexcept = 0;
    // RegQueryValueExA. With data null only type and size are reported; with a
    // buffer too small for the data the call fails with RegMoreData and size
    // tells the size needed. type may be null.
    virtual RegStatus QueryValueEx(RegKey key, const char* valueName, std::uint32_t* type,
                                   std::uint8_t* data, std::uint32_t* size) noexcept = 0;
    // RegSetValueExA.
    virtual RegStatus SetValueEx(RegKey key, const char* valueName, std::uint32_t type,
                                 const std::uint8_t* data, std::uint32_t size) noexcept = 0;
    // RegQueryInfoKeyA, reduced to the number of sub-keys, the length of the
    // longest sub-key name (without its terminating zero) and the number of
    // values.
    virtual RegStatus QueryInfoKey(RegKey key, std::uint32_t* subKeyCount,
                                   std::uint32_t* maxSubKeyLength,
                                   std::uint32_t* valueCount) noexcept = 0;
    // RegEnumKeyExA. nameLength: the buffer's capacity in bytes on entry, the
    // name's length without its zero on success.
    virtual RegStatus EnumKeyEx(RegKey key, std::uint32_t index, char* name,
                                std::uint32_t* nameLength) noexcept = 0;
    // RegDeleteKeyA: deletes a key that has no sub-keys, with its values.
    virtual RegStatus DeleteKey(RegKey base, const char* subKey) noexcept = 0;
    // RegCloseKey.
    virtual RegStatus CloseKey(RegKey key) noexcept = 0;
};

} // namespace zandrel
