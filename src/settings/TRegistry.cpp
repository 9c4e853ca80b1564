#include "settings/TRegistry.h"

#include <algorithm>
#include <limits>

#include "settings/RegistryExceptions.h"

namespace zandrel {
namespace {

// Registry key names are at most 255 bytes long.
constexpr std::uint32_t MaxKeyNameLength = 255;

} // namespace

RegKey TRegistry::RelativeBase() const noexcept
{
    return openKey_ ? openKey_.Get() : root_;
}

RegKey TRegistry::BaseFor(const char* path, RegKey relativeBase) const noexcept
{
    return path[0] == '\\' ? root_ : relativeBase;
}

const char* TRegistry::SubKeyOf(const char* path) noexcept
{
    return path[0] == '\\' ? path + 1 : path;
}

bool TRegistry::Open(const char* path, std::uint32_t access) noexcept
{
    RegKey key = RegKey::None;
    const RegKey base = BaseFor(path, RelativeBase());
    if (api_.OpenKeyEx(base, SubKeyOf(path), 0, access, &key) != RegSuccess) {
        return false;
    }
    openKey_ = Own(key);
    return true;
}

bool TRegistry::OpenExisting(const char* path) noexcept
{
    return Open(path, RegKeyAllAccess);
}

bool TRegistry::OpenForReading(const char* path) noexcept
{
    return Open(path, RegKeyRead);
}

bool TRegistry::OpenOrCreate(const char* path, bool* created) noexcept
{
    if (created != nullptr) {
        *created = false;
    }
    // Creating "" would hand back the base itself, which is not ours to close.
    if (*SubKeyOf(path) == '\0') {
        return OpenExisting(path);
    }
    RegKey key = RegKey::None;
    std::uint32_t disposition = 0;
    const RegKey base = BaseFor(path, RelativeBase());
    if (api_.CreateKeyEx(base, SubKeyOf(path), RegOptionNonVolatile, RegKeyAllAccess, &key,
                         &disposition) != RegSuccess) {
        return false;
    }
    openKey_ = Own(key);
    if (created != nullptr) {
        *created = disposition == RegCreatedNewKey;
    }
    return true;
}

bool TRegistry::QueryValueSize(const char* valueName, std::uint32_t& type,
                               std::uint32_t& size) noexcept
{
    const RegStatus status = api_.QueryValueEx(openKey_.Get(), valueName, &type, nullptr, &size);
    if (status != RegSuccess && status != RegFileNotFound) {
        skippedUnreadable_ = true;
    }
    return status == RegSuccess;
}

std::string TRegistry::ReadTextValue(const char* valueName)
{
    std::uint32_t type = RegNone;
    std::uint32_t size = 0;
    if (!QueryValueSize(valueName, type, size) || size == 0) {
        return {};
    }
    std::string data(size, '\0');
    if (api_.QueryValueEx(openKey_.Get(), valueName, &type,
                          reinterpret_cast<std::uint8_t*>(data.data()), &size) != RegSuccess) {
        throw ERegistryException(FailedToGetDataText, valueName);
    }
    if (type != RegSz && type != RegExpandSz) {
        throw ERegistryException(InvalidDataTypeText, valueName);
    }
    data.resize(std::min<std::size_t>(size, data.size()));
    if (const auto zero = data.find('\0'); zero != std::string::npos) {
        data.resize(zero);
    }
    return data;
}

std::size_t TRegistry::ReadByteValue(const char* valueName, void* destination, std::size_t capacity)
{
    std::uint32_t type = RegNone;
    std::uint32_t size = 0;
    if (!QueryValueSize(valueName, type, size)) {
        return 0;
    }
    if (type == RegSz || type == RegExpandSz || type == RegDword || size > capacity) {
        throw ERegistryException(InvalidDataTypeText, valueName);
    }
    if (api_.QueryValueEx(openKey_.Get(), valueName, &type, static_cast<std::uint8_t*>(destination),
                          &size) != RegSuccess) {
        throw ERegistryException(FailedToGetDataText, valueName);
    }
    return size;
}

void TRegistry::WriteTextValue(const char* valueName, const std::string& text)
{
    if (text.size() >= std::numeric_limits<std::uint32_t>::max() ||
        api_.SetValueEx(openKey_.Get(), valueName, RegSz,
                        reinterpret_cast<const std::uint8_t*>(text.c_str()),
                        static_cast<std::uint32_t>(text.size() + 1)) != RegSuccess) {
        throw ERegistryException(FailedToSetDataText, valueName);
    }
}

void TRegistry::WriteByteValue(const char* valueName, const void* source, std::size_t size)
{
    if (size > std::numeric_limits<std::uint32_t>::max() ||
        api_.SetValueEx(openKey_.Get(), valueName, RegBinary,
                        static_cast<const std::uint8_t*>(source),
                        static_cast<std::uint32_t>(size)) != RegSuccess) {
        throw ERegistryException(FailedToSetDataText, valueName);
    }
}

bool TRegistry::DeleteTree(const char* path) noexcept
{
    return DeleteTreeFrom(RelativeBase(), path);
}

bool TRegistry::DeleteTreeFrom(RegKey relativeBase, const char* path) noexcept
{
    const RegKey base = BaseFor(path, relativeBase);
    const char* subKey = SubKeyOf(path);
    // An empty name would stand for the base itself: never empty a whole hive.
    if (*subKey == '\0') {
        return false;
    }
    if (RegKey key = RegKey::None;
        api_.OpenKeyEx(base, subKey, 0, RegKeyAllAccess, &key) == RegSuccess) {
        const UniqueRegistryKey owned = Own(key); // closed before the key goes
        DeleteSubKeys(key);
    }
    return api_.DeleteKey(base, subKey) == RegSuccess;
}

bool TRegistry::DeleteKeyIfEmpty(const char* path) noexcept
{
    const RegKey base = BaseFor(path, RelativeBase());
    const char* subKey = SubKeyOf(path);
    if (*subKey == '\0') {
        return false;
    }
    RegKey key = RegKey::None;
    if (api_.OpenKeyEx(base, subKey, 0, RegKeyRead, &key) != RegSuccess) {
        return false;
    }
    std::uint32_t subKeys = 0;
    std::uint32_t longest = 0;
    std::uint32_t values = 0;
    {
        const UniqueRegistryKey owned = Own(key); // closed before the key goes
        if (api_.QueryInfoKey(key, &subKeys, &longest, &values) != RegSuccess || subKeys != 0 ||
            values != 0) {
            return false;
        }
    }
    // The values of a key go with it, so a key that holds any is not ours to delete.
    return api_.DeleteKey(base, subKey) == RegSuccess;
}

void TRegistry::DeleteSubKeys(RegKey key) noexcept
{
    std::uint32_t count = 0;
    std::uint32_t longest = 0;
    std::uint32_t values = 0;
    if (api_.QueryInfoKey(key, &count, &longest, &values) != RegSuccess) {
        return;
    }
    char name[MaxKeyNameLength + 1];
    // From the highest index down, so that deleting a sub-key moves none of
    // those still to be visited.
    for (std::uint32_t index = count; index-- > 0;) {
        std::uint32_t length = std::min(longest, MaxKeyNameLength) + 1;
        if (api_.EnumKeyEx(key, index, name, &length) == RegSuccess) {
            DeleteTreeFrom(key, name);
        }
    }
}

} // namespace zandrel
