#pragma once

#include <cstdint>

#include "base/TStringList.h"

namespace zandrel {

// The plug-in's three settings. One instance per loaded library (Settings());
// the library start fills it, the setup dialog changes it, the import reads it.
struct SettingsRecord {
    TStringList maskList;
    bool limitFlag = false; // keep only the first lineLimit lines
    std::int32_t lineLimit = 0;
};

// The line limit of the defaults, and of a key without LimitLines.
inline constexpr std::int32_t DefaultLineLimit = 20;

// The library's one record. Start values: empty list, flag clear, limit 0.
SettingsRecord& Settings() noexcept;

// "README.TXT", "*.TXT", flag set, 20 lines: used when no registry key opens.
void ApplyDefaultSettings(SettingsRecord& record);

} // namespace zandrel
