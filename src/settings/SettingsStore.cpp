#include "settings/SettingsStore.h"

#include <array>
#include <cstdint>

#include "settings/MaskListEncoding.h"
#include "settings/RegistryExceptions.h"
#include "settings/TRegistry.h"

namespace zandrel {
namespace {

constexpr const char* FileMasksValue = "FileMasks";
constexpr const char* LimitLinesValue = "LimitLines";

using LimitBytes = std::array<unsigned char, 4>;

// Two's complement negation; -2147483648 stays itself.
std::int32_t Negated(std::int32_t value) noexcept
{
    return static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(value));
}

LimitBytes ToLittleEndian(std::int32_t value) noexcept
{
    const auto bits = static_cast<std::uint32_t>(value);
    return {static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
            static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)};
}

std::int32_t FromLittleEndian(const LimitBytes& bytes) noexcept
{
    return static_cast<std::int32_t>(std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 |
                                     std::uint32_t{bytes[2]} << 16 | std::uint32_t{bytes[3]} << 24);
}

// Both values into the open key. The sign of LimitLines carries the flag.
void WriteSettingsValues(TRegistry& registry, const SettingsRecord& record)
{
    registry.WriteTextValue(FileMasksValue, EncodeMaskList(record.maskList));
    const LimitBytes bytes =
        ToLittleEndian(record.limitFlag ? record.lineLimit : Negated(record.lineLimit));
    registry.WriteByteValue(LimitLinesValue, bytes.data(), bytes.size());
}

// Moves settings just read from the legacy key into a new settings key. The
// legacy tree goes only once both values are written, and a settings key left
// half-written is removed again, so that the next start reads the legacy key
// once more: the settings are never gone from both places.
void TakeOverLegacySettings(TRegistry& registry, const SettingsRecord& record)
{
    bool created = false;
    if (!registry.OpenOrCreate(SettingsKeyPath, &created)) {
        throw EAbort();
    }
    // The settings key exists after all (it failed to open a moment ago): it
    // stays in force, and neither it nor the legacy tree is touched.
    if (!created) {
        return;
    }
    try {
        WriteSettingsValues(registry, record);
    } catch (...) {
        registry.DeleteTree(SettingsKeyPath);
        throw;
    }
    registry.DeleteTree(LegacyVendorKeyPath);
}

} // namespace

void LoadSettings(RegistryApi& api, SettingsRecord& record) noexcept
{
    try {
        TRegistry registry(api);
        bool legacy = false;
        if (!registry.OpenExisting(SettingsKeyPath)) {
            legacy = true;
            if (!registry.OpenExisting(LegacyKeyPath)) {
                ApplyDefaultSettings(record);
                return;
            }
        }
        DecodeMaskList(registry.ReadTextValue(FileMasksValue).c_str(), record.maskList);
        // A stored value shorter than four bytes replaces only the low bytes.
        LimitBytes bytes = ToLittleEndian(record.lineLimit);
        registry.ReadByteValue(LimitLinesValue, bytes.data(), bytes.size());
        record.lineLimit = FromLittleEndian(bytes);
        record.limitFlag = record.lineLimit >= 0;
        if (!record.limitFlag) {
            record.lineLimit = Negated(record.lineLimit);
        }
        // A value whose size could not be asked for was read as missing; such a
        // load is not complete enough to replace the legacy tree.
        if (legacy && !registry.SkippedUnreadableValue()) {
            TakeOverLegacySettings(registry, record);
        }
    } catch (...) {
        // Registry failures end the load where they happen; nothing is reported.
    }
}

void SaveSettings(RegistryApi& api, const SettingsRecord& record) noexcept
{
    try {
        TRegistry registry(api);
        if (!registry.OpenOrCreate(SettingsKeyPath)) {
            throw EAbort();
        }
        WriteSettingsValues(registry, record);
    } catch (...) {
        // As for the load: the save stops at its first failure, silently.
    }
}

} // namespace zandrel
