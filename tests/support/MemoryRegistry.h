#pragma once
// An in-memory HKEY_CURRENT_USER behind RegistryApi, for running the settings
// store without Windows. Keys and value names compare without regard to ASCII
// case; values keep their type and bytes. A key can be made read-only: opening
// or creating it with any write right then fails with access denied, as does
// creating a key below it or deleting it. Sub-keys are enumerated in name order.

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/RegistryApi.h"

namespace zandrel::test {

struct MemoryValue {
    std::uint32_t type = RegNone;
    std::vector<std::uint8_t> data;
    bool operator==(const MemoryValue&) const = default;
};

class MemoryRegistry final : public RegistryApi {
public:
    MemoryRegistry();

    // Set-up and inspection. Paths are taken from the root and have no leading
    // backslash: "Software\\Marrowick".
    void AddKey(std::string_view path);
    void SetValue(std::string_view keyPath, std::string_view name, std::uint32_t type,
                  std::vector<std::uint8_t> data);
    void SetText(std::string_view keyPath, std::string_view name, std::string_view text);
    void SetReadOnly(std::string_view keyPath);
    [[nodiscard]] bool HasKey(std::string_view path) const;
    [[nodiscard]] std::optional<MemoryValue> Value(std::string_view keyPath,
                                                   std::string_view name) const;
    // Every key and value, one line each, in a fixed order: equal dumps mean
    // equal registries.
    [[nodiscard]] std::string Dump() const;
    // Handles handed out and not closed; closes of the root key (never right).
    [[nodiscard]] std::size_t OpenHandleCount() const { return handles_.size(); }
    [[nodiscard]] std::size_t RootCloseCount() const { return rootCloses_; }

    RegStatus OpenKeyEx(RegKey base, const char* subKey, std::uint32_t options,
                        std::uint32_t access, RegKey* result) noexcept override;
    RegStatus CreateKeyEx(RegKey base, const char* subKey, std::uint32_t options,
                          std::uint32_t access, RegKey* result,
                          std::uint32_t* disposition) noexcept override;
    RegStatus QueryValueEx(RegKey key, const char* valueName, std::uint32_t* type,
                           std::uint8_t* data, std::uint32_t* size) noexcept override;
    RegStatus SetValueEx(RegKey key, const char* valueName, std::uint32_t type,
                         const std::uint8_t* data, std::uint32_t size) noexcept override;
    RegStatus QueryInfoKey(RegKey key, std::uint32_t* subKeyCount, std::uint32_t* maxSubKeyLength,
                           std::uint32_t* valueCount) noexcept override;
    RegStatus EnumKeyEx(RegKey key, std::uint32_t index, char* name,
                        std::uint32_t* nameLength) noexcept override;
    RegStatus DeleteKey(RegKey base, const char* subKey) noexcept override;
    RegStatus CloseKey(RegKey key) noexcept override;

private:
    struct NoCase {
        bool operator()(const std::string& a, const std::string& b) const noexcept;
    };
    struct Node {
        std::map<std::string, std::shared_ptr<Node>, NoCase> subKeys;
        std::map<std::string, MemoryValue, NoCase> values;
        bool readOnly = false;
        bool deleted = false;
    };
    struct Handle {
        std::shared_ptr<Node> node;
        std::uint32_t access = 0;
    };

    // The node behind a handle with the given rights, or a failure status.
    RegStatus Resolve(RegKey key, std::uint32_t rightsNeeded, std::shared_ptr<Node>& node) const;
    std::shared_ptr<Node> Find(const std::shared_ptr<Node>& from, std::string_view path) const;
    std::shared_ptr<Node> MakePath(std::string_view path);
    RegKey NewHandle(std::shared_ptr<Node> node, std::uint32_t access);
    static void DumpNode(const Node& node, const std::string& path, std::string& out);

    std::shared_ptr<Node> root_;
    std::map<RegKey, Handle> handles_;
    std::uintptr_t nextHandle_ = 0x1000;
    std::size_t rootCloses_ = 0;
};

} // namespace zandrel::test
