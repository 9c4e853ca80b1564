#include "support/FaultyRegistry.h"

namespace zandrel::test {

std::string Describe(const RegCallRecord& call)
{
    static const char* const kinds[] = {"OpenKey",      "CreateKey", "QueryValue", "SetValue",
                                        "QueryInfoKey", "EnumKey",   "DeleteKey",  "CloseKey"};
    std::string text = kinds[static_cast<int>(call.kind)];
    if (!call.name.empty()) {
        text += " " + call.name;
    }
    return text;
}

std::vector<std::string> FaultyRegistry::CallNames() const
{
    std::vector<std::string> names;
    for (const RegCallRecord& call : calls_) {
        names.push_back(Describe(call));
    }
    return names;
}

bool FaultyRegistry::Begin(RegCall kind, std::string name, std::uint32_t access)
{
    calls_.push_back(RegCallRecord{kind, std::move(name), access, RegSuccess});
    bool fail = calls_.size() == failCall_;
    if (kind == failKind_) {
        if (failEveryOfKind_) {
            fail = true;
        } else if (failKindCountdown_ > 0 && --failKindCountdown_ == 0) {
            fail = true;
        }
    }
    return fail;
}

RegStatus FaultyRegistry::End(RegStatus status)
{
    calls_.back().status = status;
    return status;
}

// The log allocates inside noexcept calls: a test that runs out of memory
// there has failed anyway, and ending the process says so.
RegStatus FaultyRegistry::OpenKeyEx(RegKey base, const char* subKey, std::uint32_t options,
                                    std::uint32_t access, RegKey* result) noexcept
{
    if (Begin(RegCall::OpenKey, subKey, access)) {
        return End(failStatus_);
    }
    const RegStatus status = inner_.OpenKeyEx(base, subKey, options, access, result);
    if (status == RegSuccess) {
        ++keysOpened_;
        open_.insert(*result);
    }
    return End(status);
}

RegStatus FaultyRegistry::CreateKeyEx(RegKey base, const char* subKey, std::uint32_t options,
                                      std::uint32_t access, RegKey* result,
                                      std::uint32_t* disposition) noexcept
{
    if (Begin(RegCall::CreateKey, subKey, access)) {
        return End(failStatus_);
    }
    const RegStatus status = inner_.CreateKeyEx(base, subKey, options, access, result, disposition);
    if (status == RegSuccess) {
        ++keysOpened_;
        open_.insert(*result);
    }
    return End(status);
}

RegStatus FaultyRegistry::QueryValueEx(RegKey key, const char* valueName, std::uint32_t* type,
                                       std::uint8_t* data, std::uint32_t* size) noexcept
{
    if (Begin(RegCall::QueryValue, valueName)) {
        return End(failStatus_);
    }
    return End(inner_.QueryValueEx(key, valueName, type, data, size));
}

RegStatus FaultyRegistry::SetValueEx(RegKey key, const char* valueName, std::uint32_t type,
                                     const std::uint8_t* data, std::uint32_t size) noexcept
{
    if (Begin(RegCall::SetValue, valueName)) {
        return End(failStatus_);
    }
    return End(inner_.SetValueEx(key, valueName, type, data, size));
}

RegStatus FaultyRegistry::QueryInfoKey(RegKey key, std::uint32_t* subKeyCount,
                                       std::uint32_t* maxSubKeyLength,
                                       std::uint32_t* valueCount) noexcept
{
    if (Begin(RegCall::QueryInfoKey, "")) {
        return End(failStatus_);
    }
    return End(inner_.QueryInfoKey(key, subKeyCount, maxSubKeyLength, valueCount));
}

RegStatus FaultyRegistry::EnumKeyEx(RegKey key, std::uint32_t index, char* name,
                                    std::uint32_t* nameLength) noexcept
{
    if (Begin(RegCall::EnumKey, std::to_string(index))) {
        return End(failStatus_);
    }
    return End(inner_.EnumKeyEx(key, index, name, nameLength));
}

RegStatus FaultyRegistry::DeleteKey(RegKey base, const char* subKey) noexcept
{
    if (Begin(RegCall::DeleteKey, subKey)) {
        return End(failStatus_);
    }
    return End(inner_.DeleteKey(base, subKey));
}

RegStatus FaultyRegistry::CloseKey(RegKey key) noexcept
{
    if (Begin(RegCall::CloseKey, "")) {
        return End(failStatus_);
    }
    const RegStatus status = inner_.CloseKey(key);
    if (status == RegSuccess) {
        ++keysClosed_;
        open_.erase(key);
    }
    return End(status);
}

} // namespace zandrel::test
