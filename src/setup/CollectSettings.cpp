#include "setup/CollectSettings.h"

#include <algorithm>

#include "setup/IntegerParse.h"

namespace zandrel {

std::string InvalidIntegerMessage(const std::string& typedText)
{
    return "\"" + typedText + "\" is not a valid integer value.";
}

bool CollectSettings(DialogControls& controls, SettingsRecord& record)
{
    bool result = true;

    record.maskList.Clear();
    const int count = controls.MaskCount();
    for (int i = 0; i < count; ++i) {
        record.maskList.Add(controls.MaskText(i));
    }

    record.limitFlag = controls.LimitChecked();

    const std::string typed = controls.LineCountText();
    if (const auto value = ParseInteger(typed)) {
        record.lineLimit = std::max<std::int32_t>(*value, 1);
    } else {
        if (record.limitFlag) {
            controls.ShowError(InvalidIntegerMessage(typed));
            result = false;
        }
        controls.SetLineCountText(FormatInteger(record.lineLimit));
    }
    return result;
}

} // namespace zandrel
