#pragma once
// A RegistryApi that passes every call on to another one (the in-memory
// registry or advapi32), logs it, counts the keys opened and closed through it,
// and fails the calls it is told to fail without passing them on. A failed
// close therefore leaves its key open, as it would on Windows.

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "platform/RegistryApi.h"

namespace zandrel::test {

enum class RegCall {
    OpenKey,
    CreateKey,
    QueryValue,
    SetValue,
    QueryInfoKey,
    EnumKey,
    DeleteKey,
    CloseKey
};

struct RegCallRecord {
    RegCall kind;
    std::string name;         // key path, value name or enumeration index; empty for a close
    std::uint32_t access = 0; // for opening and creating
    RegStatus status = RegSuccess;
};

// "QueryValue FileMasks", for readable expectations and failure messages.
std::string Describe(const RegCallRecord& call);

class FaultyRegistry final : public RegistryApi {
public:
    explicit FaultyRegistry(RegistryApi& inner) : inner_(inner) {}

    // The number-th call from now (1 is the next one) fails with status.
    void FailCall(std::size_t number, RegStatus status = RegAccessDenied)
    {
        failCall_ = calls_.size() + number;
        failStatus_ = status;
    }
    // The nth call of this kind from now (1 is the next one) fails; 0: every one.
    void FailKind(RegCall kind, std::size_t nth = 0, RegStatus status = RegAccessDenied)
    {
        failKind_ = kind;
        failKindCountdown_ = nth;
        failEveryOfKind_ = nth == 0;
        failStatus_ = status;
    }

    [[nodiscard]] const std::vector<RegCallRecord>& Calls() const { return calls_; }
    [[nodiscard]] std::vector<std::string> CallNames() const;
    [[nodiscard]] std::size_t KeysOpened() const { return keysOpened_; }
    [[nodiscard]] std::size_t KeysClosed() const { return keysClosed_; }
    // Keys opened through this registry and not yet closed.
    [[nodiscard]] std::size_t KeysStillOpen() const { return open_.size(); }

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
    // Logs the call; true when it is to fail.
    bool Begin(RegCall kind, std::string name, std::uint32_t access = 0);
    RegStatus End(RegStatus status);

    RegistryApi& inner_;
    std::vector<RegCallRecord> calls_;
    std::size_t failCall_ = 0;
    bool failEveryOfKind_ = false;
    RegCall failKind_ = RegCall::OpenKey;
    std::size_t failKindCountdown_ = 0;
    RegStatus failStatus_ = RegAccessDenied;
    std::size_t keysOpened_ = 0;
    std::size_t keysClosed_ = 0;
    std::set<RegKey> open_;
};

} // namespace zandrel::test
