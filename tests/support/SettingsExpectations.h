#pragma once
// Building and comparing settings records in the settings store's tests.

#include <ostream>
#include <string>
#include <vector>

#include "settings/SettingsRecord.h"

namespace zandrel::test {

// The two keys as the registry names them from HKEY_CURRENT_USER.
inline constexpr const char* SettingsKey = "Software\\Marrowick\\Quorbit\\Plugins\\ZandrelPlugin";
inline constexpr const char* LegacyKey = "Marrowick\\Quorbit\\Plugins\\ZandrelPlugin";

inline SettingsRecord Record(std::vector<std::string> masks, bool limitFlag, std::int32_t lineLimit)
{
    SettingsRecord record;
    for (const std::string& mask : masks) {
        record.maskList.Add(mask);
    }
    record.limitFlag = limitFlag;
    record.lineLimit = lineLimit;
    return record;
}

inline SettingsRecord DefaultRecord()
{
    return Record({"README.TXT", "*.TXT"}, true, 20);
}

} // namespace zandrel::test

namespace zandrel {

// For readable assertion messages.
inline void PrintTo(const SettingsRecord& record, std::ostream* out)
{
    *out << "{";
    for (const std::string& mask : record.maskList) {
        *out << "[" << mask << "]";
    }
    *out << (record.limitFlag ? " flag set, " : " flag clear, ") << record.lineLimit << "}";
}

inline bool operator==(const SettingsRecord& a, const SettingsRecord& b)
{
    return a.maskList == b.maskList && a.limitFlag == b.limitFlag && a.lineLimit == b.lineLimit;
}

} // namespace zandrel
