#include "setup/MaskListRules.h"

#include <string>

#include "setup/EnablingRules.h"

namespace zandrel {

void AddMask(DialogControls& controls)
{
    controls.AppendMaskEntry(controls.MaskEditText());
    controls.ClearMaskEdit();
    controls.FocusMaskEdit();
    UpdateButtons(controls);
}

void DeleteMask(DialogControls& controls)
{
    int selection = controls.MaskSelection();
    if (selection >= 0) {
        controls.DeleteMaskEntry(selection);
    }
    if (selection == controls.MaskCount()) {
        --selection;
    }
    controls.SelectMaskEntry(selection);
    UpdateButtons(controls);
}

void MoveMask(DialogControls& controls, bool up)
{
    const int selection = controls.MaskSelection();
    if (selection < 0) {
        return;
    }
    const int destination = up ? selection - 1 : selection + 1;
    const std::string text = controls.MaskText(selection);
    controls.DeleteMaskEntry(selection);
    controls.InsertMaskEntry(destination, text);
    controls.SelectMaskEntry(destination);
    UpdateButtons(controls);
}

} // namespace zandrel
