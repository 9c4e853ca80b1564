#include "settings/SettingsStore.h"

#include <array>
#include <cstdint>
#include <string>

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

// The legacy key with everything below it, then each key above it that is
// left with neither a sub-key nor a value: the vendor's other products and
// plug-ins keep theirs.
void DeleteLegacyKey(TRegistry& registry)
{
    if (!registry.DeleteTree(LegacyKeyPath)) {
        return;
    }
    std::string parent = LegacyKeyPath;
    for (auto cut = parent.rfind('\\'); cut != 0 && cut != std::string::npos;
         cut = parent.rfind('\\')) {
        parent.resize(cut);
        if (!registry.DeleteKeyIfEmpty(parent.c_str())) {
            return;
        }
    }
}

// Moves settings just read from the legacy key into a new settings key. The
// legacy key goes only once both values are written, and a settings key left
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
    DeleteLegacyKey(registry);
}

} // namespace

void LoadSettings(RegistryApi& api, SettingsRecord& record) noexcept
{
    try {
        TRegistry registry(api);
        bool legacy = false;
        if (!registry.OpenForReading(SettingsKeyPath)) {
            legacy = true;
            if (!registry.OpenForReading(LegacyKeyPath)) {
                ApplyDefaultSettings(record);
                return;
            }
        }
        DecodeMaskList(registry.ReadTextValue(FileMasksValue).c_str(), record.maskList);
        // A stored value shorter than four bytes gives the low bytes; one with
        // no bytes, or none at all, gives the default. 0 is what an unticked
        // box with count 0 writes.
        LimitBytes bytes{};
        const std::int32_t stored =
            registry.ReadByteValue(LimitLinesValue, bytes.data(), bytes.size()) == 0
                ? DefaultLineLimit
                : FromLittleEndian(bytes);
        record.limitFlag = stored > 0;
        record.lineLimit = stored < 0 ? Negated(stored) : stored;
        // A value whose size could not be asked for was read as missing; such a
        // load is not complete enough to replace the legacy tree.
        if (legacy && !registry.SkippedUnreadableValue()) {
            TakeOverLegacySettings(registry, record);
        }
    } catch (...) {
        // Registry failures end the load where they happen; nothing is reported.
    }
}

bool SaveSettings(RegistryApi& api, const SettingsRecord& record) noexcept
{
    try {
        TRegistry registry(api);
        if (!registry.OpenOrCreate(SettingsKeyPath)) {
            throw EAbort();
        }
        WriteSettingsValues(registry, record);
        return true;
    } catch (...) {
        // As for the load: the save stops at its first failure; the caller
        // tells the user.
        return false;
    }
}

} // namespace zandrel
