#pragma once

#include "settings/SettingsRecord.h"
#include "setup/DialogControls.h"

namespace zandrel {

// Writes the dialog's controls into the record: the mask list in list order,
// entries whole whatever their length; the limit flag; the line limit when the
// line-count text is a number (at least 1). A text that is no number keeps the
// old limit and is replaced by it in the edit; with the limit flag set it also
// brings up the error box and the result is false (the OK is refused). The
// list and the flag are written even then.
bool CollectSettings(DialogControls& controls, SettingsRecord& record);

// "\"abc\" is not a valid integer value."
[[nodiscard]] std::string InvalidIntegerMessage(const std::string& typedText);

} // namespace zandrel
