#pragma once
// Setting up and inspecting keys and values through any RegistryApi (the real
// registry or the in-memory one), each key held by the seam's own owner. Paths
// are taken from HKEY_CURRENT_USER, without a leading backslash.

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/HandleOwners.h"
#include "platform/RegistryApi.h"

namespace zandrel::test {

using Bytes = std::vector<std::uint8_t>;

struct RawValue {
    std::uint32_t type;
    Bytes data;
    bool operator==(const RawValue&) const = default;
};

// "type 3: EC FF FF FF", for readable assertion messages.
inline void PrintTo(const RawValue& value, std::ostream* out)
{
    *out << "type " << value.type << ":" << std::hex << std::uppercase;
    for (const std::uint8_t byte : value.data) {
        *out << ' ' << (byte < 16 ? "0" : "") << unsigned{byte};
    }
    *out << std::dec;
}

inline UniqueRegistryKey OpenKey(RegistryApi& api, const char* path, std::uint32_t access)
{
    RegKey key = RegKey::None;
    if (api.OpenKeyEx(RegKey::CurrentUser, path, 0, access, &key) != RegSuccess) {
        return {};
    }
    return UniqueRegistryKey(key, {&api});
}

inline bool KeyExists(RegistryApi& api, const char* path)
{
    return static_cast<bool>(OpenKey(api, path, RegKeyRead));
}

// Creates the key as needed.
inline bool PutValue(RegistryApi& api, const char* path, const char* name, std::uint32_t type,
                     const Bytes& data)
{
    RegKey key = RegKey::None;
    if (api.CreateKeyEx(RegKey::CurrentUser, path, RegOptionNonVolatile, RegKeyAllAccess, &key,
                        nullptr) != RegSuccess) {
        return false;
    }
    const UniqueRegistryKey owner(key, {&api});
    return api.SetValueEx(key, name, type, data.data(), static_cast<std::uint32_t>(data.size())) ==
           RegSuccess;
}

// REG_SZ with the text's bytes and one zero.
inline bool PutText(RegistryApi& api, const char* path, const char* name, const std::string& text)
{
    Bytes data(text.begin(), text.end());
    data.push_back(0);
    return PutValue(api, path, name, RegSz, data);
}

inline std::optional<RawValue> GetValue(RegistryApi& api, const char* path, const char* name)
{
    const UniqueRegistryKey key = OpenKey(api, path, RegKeyRead);
    std::uint32_t type = RegNone;
    std::uint32_t size = 0;
    if (!key || api.QueryValueEx(key.Get(), name, &type, nullptr, &size) != RegSuccess) {
        return std::nullopt;
    }
    Bytes data(size);
    if (api.QueryValueEx(key.Get(), name, &type, data.data(), &size) != RegSuccess) {
        return std::nullopt;
    }
    data.resize(size);
    return RawValue{type, data};
}

} // namespace zandrel::test
