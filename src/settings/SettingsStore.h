#pragma once
// The settings record in the current user's registry. Each operation stops at
// its first registry failure, keeps what it did before, and returns normally;
// only the save tells whether it wrote the settings.

#include "platform/RegistryApi.h"
#include "settings/SettingsRecord.h"

namespace zandrel {

// "\Software\Marrowick\Quorbit\Plugins\ZandrelPlugin": read by the load,
// created if needed and written by the save.
inline constexpr const char* SettingsKeyPath =
    "\\Software\\Marrowick\\Quorbit\\Plugins\\ZandrelPlugin";
// "\Marrowick\Quorbit\Plugins\ZandrelPlugin": read only when the settings key
// does not open; taken over into the settings key, after which it is deleted
// with everything below it, and so is each key above it that is left empty.
inline constexpr const char* LegacyKeyPath = "\\Marrowick\\Quorbit\\Plugins\\ZandrelPlugin";

// Fills record from the settings key, else from the legacy key, else with the
// defaults; reads with read access only. Never creates a key unless it takes
// over the legacy settings.
void LoadSettings(RegistryApi& api, SettingsRecord& record) noexcept;
// Writes record to the settings key, creating it if needed. True when both
// values were written.
bool SaveSettings(RegistryApi& api, const SettingsRecord& record) noexcept;

#if defined(_WIN32)
// The forms the plug-in calls: the real registry and the library's record.
void LoadSettings() noexcept;
bool SaveSettings() noexcept;
#endif

} // namespace zandrel
