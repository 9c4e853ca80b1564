#pragma once
// A short-lived view of the current user's registry with at most one open key,
// through which the settings store reads and writes its values. Value reads and
// writes go to the open key. A path that starts with '\' is taken from the root
// key (HKEY_CURRENT_USER), any other from the open key, or from the root when
// no key is open. Destruction closes the open key; the root is never closed.

#include <cstddef>
#include <string>

#include "platform/HandleOwners.h"
#include "platform/RegistryApi.h"

namespace zandrel {

class TRegistry {
public:
    explicit TRegistry(RegistryApi& api) noexcept : api_(api) {}
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    // Open (with full access) or create the key at path and make it the open
    // key. On failure the key open before stays open. created, if given, tells
    // whether this call created the key.
    bool OpenExisting(const char* path) noexcept;
    bool OpenOrCreate(const char* path, bool* created = nullptr) noexcept;
    // As OpenExisting, with read access only: a key the user may read but not
    // change opens too.
    bool OpenForReading(const char* path) noexcept;

    // The text of a REG_SZ or REG_EXPAND_SZ value (unexpanded), up to its first
    // zero byte; empty when the value is missing or empty. Raises
    // ERegistryException for another type or a failed read.
    std::string ReadTextValue(const char* valueName);
    // Copies the value into the first bytes of destination and returns their
    // number; 0, with destination untouched, when the value is missing. Raises
    // ERegistryException for a text or REG_DWORD value, one longer than
    // capacity, or a failed read.
    std::size_t ReadByteValue(const char* valueName, void* destination, std::size_t capacity);

    // REG_SZ with the text's bytes and one zero. Raises ERegistryException.
    void WriteTextValue(const char* valueName, const std::string& text);
    // REG_BINARY with the given bytes. Raises ERegistryException.
    void WriteByteValue(const char* valueName, const void* source, std::size_t size);

    // Deletes the key at path with every key and value below it, depth first,
    // through a handle of its own: the open key stays open. True when the key
    // itself was deleted.
    bool DeleteTree(const char* path) noexcept;
    // Deletes the key at path only when it has neither a sub-key nor a value.
    // True when it was deleted.
    bool DeleteKeyIfEmpty(const char* path) noexcept;

    // True once a read has taken a value as missing because asking for its
    // size failed for some other reason than the value being absent.
    [[nodiscard]] bool SkippedUnreadableValue() const noexcept { return skippedUnreadable_; }

private:
    [[nodiscard]] RegKey RelativeBase() const noexcept;
    [[nodiscard]] RegKey BaseFor(const char* path, RegKey relativeBase) const noexcept;
    static const char* SubKeyOf(const char* path) noexcept;
    bool Open(const char* path, std::uint32_t access) noexcept;
    [[nodiscard]] UniqueRegistryKey Own(RegKey key) noexcept
    {
        return UniqueRegistryKey(key, {&api_});
    }
    bool DeleteTreeFrom(RegKey relativeBase, const char* path) noexcept;
    void DeleteSubKeys(RegKey key) noexcept;
    bool QueryValueSize(const char* valueName, std::uint32_t& type, std::uint32_t& size) noexcept;

    RegistryApi& api_;
    const RegKey root_ = RegKey::CurrentUser;
    UniqueRegistryKey openKey_;
    bool skippedUnreadable_ = false;
};

} // namespace zandrel
