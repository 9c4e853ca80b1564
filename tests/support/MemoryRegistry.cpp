#include "support/MemoryRegistry.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace zandrel::test {
namespace {

constexpr RegStatus OutOfMemory = 14; // ERROR_OUTOFMEMORY
// Everything in KEY_ALL_ACCESS that changes a key or what lies below it.
constexpr std::uint32_t WriteRights = RegKeySetValue | RegKeyCreateSubKey | 0x0020 /* link */ |
                                      0x10000 /* delete */ | 0x40000 | 0x80000;

char Folded(char c) noexcept
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Splits a relative key path into its names; false for a leading, doubled or
// trailing backslash, which the registry rejects.
bool SplitPath(std::string_view path, std::vector<std::string>& names)
{
    names.clear();
    if (path.empty()) {
        return true;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = path.find('\\', start);
        const std::string_view name = path.substr(start, end - start);
        if (name.empty()) {
            return false;
        }
        names.emplace_back(name);
        if (end == std::string_view::npos) {
            return true;
        }
        start = end + 1;
    }
}

} // namespace

bool MemoryRegistry::NoCase::operator()(const std::string& a, const std::string& b) const noexcept
{
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                        [](char x, char y) { return Folded(x) < Folded(y); });
}

MemoryRegistry::MemoryRegistry() : root_(std::make_shared<Node>()) {}

std::shared_ptr<MemoryRegistry::Node> MemoryRegistry::Find(const std::shared_ptr<Node>& from,
                                                           std::string_view path) const
{
    std::vector<std::string> names;
    if (!SplitPath(path, names)) {
        return nullptr;
    }
    std::shared_ptr<Node> node = from;
    for (const std::string& name : names) {
        const auto next = node->subKeys.find(name);
        if (next == node->subKeys.end()) {
            return nullptr;
        }
        node = next->second;
    }
    return node;
}

std::shared_ptr<MemoryRegistry::Node> MemoryRegistry::MakePath(std::string_view path)
{
    std::vector<std::string> names;
    if (!SplitPath(path, names)) {
        throw std::invalid_argument("bad key path");
    }
    std::shared_ptr<Node> node = root_;
    for (const std::string& name : names) {
        auto& next = node->subKeys[name];
        if (!next) {
            next = std::make_shared<Node>();
        }
        node = next;
    }
    return node;
}

void MemoryRegistry::AddKey(std::string_view path)
{
    MakePath(path);
}

void MemoryRegistry::SetValue(std::string_view keyPath, std::string_view name, std::uint32_t type,
                              std::vector<std::uint8_t> data)
{
    MakePath(keyPath)->values[std::string(name)] = MemoryValue{type, std::move(data)};
}

void MemoryRegistry::SetText(std::string_view keyPath, std::string_view name, std::string_view text)
{
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    SetValue(keyPath, name, RegSz, std::move(data));
}

void MemoryRegistry::SetReadOnly(std::string_view keyPath)
{
    MakePath(keyPath)->readOnly = true;
}

bool MemoryRegistry::HasKey(std::string_view path) const
{
    return Find(root_, path) != nullptr;
}

std::optional<MemoryValue> MemoryRegistry::Value(std::string_view keyPath,
                                                 std::string_view name) const
{
    const auto node = Find(root_, keyPath);
    if (!node) {
        return std::nullopt;
    }
    const auto value = node->values.find(std::string(name));
    if (value == node->values.end()) {
        return std::nullopt;
    }
    return value->second;
}

void MemoryRegistry::DumpNode(const Node& node, const std::string& path, std::string& out)
{
    out += "[" + path + "]" + (node.readOnly ? " read-only\n" : "\n");
    for (const auto& [name, value] : node.values) {
        char type[16];
        std::snprintf(type, sizeof type, "%u:", static_cast<unsigned>(value.type));
        out += "  " + name + "=" + type;
        for (const std::uint8_t byte : value.data) {
            char hex[4];
            std::snprintf(hex, sizeof hex, " %02X", byte);
            out += hex;
        }
        out += "\n";
    }
    for (const auto& [name, sub] : node.subKeys) {
        DumpNode(*sub, path.empty() ? name : path + "\\" + name, out);
    }
}

std::string MemoryRegistry::Dump() const
{
    std::string out;
    DumpNode(*root_, "", out);
    return out;
}

RegStatus MemoryRegistry::Resolve(RegKey key, std::uint32_t rightsNeeded,
                                  std::shared_ptr<Node>& node) const
{
    if (key == RegKey::CurrentUser) {
        node = root_;
        return RegSuccess;
    }
    const auto handle = handles_.find(key);
    if (handle == handles_.end()) {
        return RegInvalidHandle;
    }
    if (handle->second.node->deleted) {
        return RegKeyDeleted;
    }
    if ((handle->second.access & rightsNeeded) != rightsNeeded) {
        return RegAccessDenied;
    }
    node = handle->second.node;
    return RegSuccess;
}

RegKey MemoryRegistry::NewHandle(std::shared_ptr<Node> node, std::uint32_t access)
{
    const auto key = static_cast<RegKey>(nextHandle_);
    nextHandle_ += 4;
    handles_[key] = Handle{std::move(node), access};
    return key;
}

RegStatus MemoryRegistry::OpenKeyEx(RegKey base, const char* subKey, std::uint32_t /*options*/,
                                    std::uint32_t access, RegKey* result) noexcept
try {
    std::shared_ptr<Node> from;
    if (const RegStatus status = Resolve(base, 0, from); status != RegSuccess) {
        return status;
    }
    std::vector<std::string> names;
    if (!SplitPath(subKey, names)) {
        return RegBadPathname;
    }
    const auto node = Find(from, subKey);
    if (!node) {
        return RegFileNotFound;
    }
    if (node->readOnly && (access & WriteRights) != 0) {
        return RegAccessDenied;
    }
    *result = NewHandle(node, access);
    return RegSuccess;
} catch (...) {
    return OutOfMemory;
}

RegStatus MemoryRegistry::CreateKeyEx(RegKey base, const char* subKey, std::uint32_t /*options*/,
                                      std::uint32_t access, RegKey* result,
                                      std::uint32_t* disposition) noexcept
try {
    std::shared_ptr<Node> node;
    if (const RegStatus status = Resolve(base, 0, node); status != RegSuccess) {
        return status;
    }
    std::vector<std::string> names;
    if (!SplitPath(subKey, names)) {
        return RegBadPathname;
    }
    // Walk what exists; nothing is created unless all of the rest can be.
    std::size_t existing = 0;
    for (; existing < names.size(); ++existing) {
        const auto next = node->subKeys.find(names[existing]);
        if (next == node->subKeys.end()) {
            break;
        }
        node = next->second;
    }
    const bool create = existing < names.size();
    if (node->readOnly && (create || (access & WriteRights) != 0)) {
        return RegAccessDenied;
    }
    for (std::size_t i = existing; i < names.size(); ++i) {
        auto fresh = std::make_shared<Node>();
        node->subKeys[names[i]] = fresh;
        node = std::move(fresh);
    }
    *result = NewHandle(node, access);
    if (disposition != nullptr) {
        *disposition = create ? RegCreatedNewKey : RegOpenedExistingKey;
    }
    return RegSuccess;
} catch (...) {
    return OutOfMemory;
}

RegStatus MemoryRegistry::QueryValueEx(RegKey key, const char* valueName, std::uint32_t* type,
                                       std::uint8_t* data, std::uint32_t* size) noexcept
try {
    std::shared_ptr<Node> node;
    if (const RegStatus status = Resolve(key, RegKeyQueryValue, node); status != RegSuccess) {
        return status;
    }
    const auto value = node->values.find(valueName != nullptr ? valueName : "");
    if (value == node->values.end()) {
        return RegFileNotFound;
    }
    const auto needed = static_cast<std::uint32_t>(value->second.data.size());
    if (type != nullptr) {
        *type = value->second.type;
    }
    if (data != nullptr) {
        if (*size < needed) {
            *size = needed;
            return RegMoreData;
        }
        std::copy(value->second.data.begin(), value->second.data.end(), data);
    }
    *size = needed;
    return RegSuccess;
} catch (...) {
    return OutOfMemory;
}

RegStatus MemoryRegistry::SetValueEx(RegKey key, const char* valueName, std::uint32_t type,
                                     const std::uint8_t* data, std::uint32_t size) noexcept
try {
    std::shared_ptr<Node> node;
    if (const RegStatus status = Resolve(key, RegKeySetValue, node); status != RegSuccess) {
        return status;
    }
    node->values[valueName != nullptr ? valueName : ""] =
        MemoryValue{type, std::vector<std::uint8_t>(data, data + size)};
    return RegSuccess;
} catch (...) {
    return OutOfMemory;
}

RegStatus MemoryRegistry::QueryInfoKey(RegKey key, std::uint32_t* subKeyCount,
                                       std::uint32_t* maxSubKeyLength,
                                       std::uint32_t* valueCount) noexcept
{
    std::shared_ptr<Node> node;
    if (const RegStatus status = Resolve(key, RegKeyQueryValue, node); status != RegSuccess) {
        return status;
    }
    std::size_t longest = 0;
    for (const auto& entry : node->subKeys) {
        longest = std::max(longest, entry.first.size());
    }
    *subKeyCount = static_cast<std::uint32_t>(node->subKeys.size());
    *maxSubKeyLength = static_cast<std::uint32_t>(longest);
    *valueCount = static_cast<std::uint32_t>(node->values.size());
    return RegSuccess;
}

RegStatus MemoryRegistry::EnumKeyEx(RegKey key, std::uint32_t index, char* name,
                                    std::uint32_t* nameLength) noexcept
{
    std::shared_ptr<Node> node;
    if (const RegStatus status = Resolve(key, RegKeyEnumerateSubKeys, node); status != RegSuccess) {
        return status;
    }
    if (index >= node->subKeys.size()) {
        return RegNoMoreItems;
    }
    const std::string& found = std::next(node->subKeys.begin(), index)->first;
    if (found.size() + 1 > *nameLength) {
        return RegMoreData;
    }
    std::memcpy(name, found.c_str(), found.size() + 1);
    *nameLength = static_cast<std::uint32_t>(found.size());
    return RegSuccess;
}

RegStatus MemoryRegistry::DeleteKey(RegKey base, const char* subKey) noexcept
try {
    std::shared_ptr<Node> from;
    if (const RegStatus status = Resolve(base, 0, from); status != RegSuccess) {
        return status;
    }
    std::vector<std::string> names;
    if (!SplitPath(subKey, names) || names.empty()) {
        return RegBadPathname;
    }
    const std::string leaf = names.back();
    names.pop_back();
    std::shared_ptr<Node> parent = from;
    for (const std::string& name : names) {
        const auto next = parent->subKeys.find(name);
        if (next == parent->subKeys.end()) {
            return RegFileNotFound;
        }
        parent = next->second;
    }
    const auto victim = parent->subKeys.find(leaf);
    if (victim == parent->subKeys.end()) {
        return RegFileNotFound;
    }
    if (!victim->second->subKeys.empty() || victim->second->readOnly) {
        return RegAccessDenied;
    }
    victim->second->deleted = true;
    parent->subKeys.erase(victim);
    return RegSuccess;
} catch (...) {
    return OutOfMemory;
}

RegStatus MemoryRegistry::CloseKey(RegKey key) noexcept
{
    if (key == RegKey::CurrentUser) {
        ++rootCloses_;
        return RegSuccess;
    }
    return handles_.erase(key) == 1 ? RegSuccess : RegInvalidHandle;
}

} // namespace zandrel::test
