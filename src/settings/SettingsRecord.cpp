#include "settings/SettingsRecord.h"

namespace zandrel {

SettingsRecord& Settings() noexcept
{
    static SettingsRecord record;
    return record;
}

void ApplyDefaultSettings(SettingsRecord& record)
{
    record.maskList.Clear();
    record.maskList.Add("README.TXT");
    record.maskList.Add("*.TXT");
    record.limitFlag = true;
    record.lineLimit = DefaultLineLimit;
}

} // namespace zandrel
