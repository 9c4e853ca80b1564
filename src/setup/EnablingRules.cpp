#include "setup/EnablingRules.h"

#include "setup/SetupDialogIds.h"

namespace zandrel {

ButtonStates EnablingRules(int count, int selection, bool limitChecked) noexcept
{
    ButtonStates states{};
    states.moveUp = selection > 0;
    // With nothing selected and two or more entries this is enabled on purpose;
    // MoveMask then does nothing.
    states.moveDown = selection < count - 1 && count > 1;
    states.deleteMask = selection >= 0;
    states.lineCount = limitChecked;
    return states;
}

void UpdateButtons(DialogControls& controls)
{
    const int count = controls.MaskCount();
    const int selection = controls.MaskSelection();
    const ButtonStates states = EnablingRules(count, selection, controls.LimitChecked());
    controls.EnableControl(IDC_MOVE_UP, states.moveUp);
    controls.EnableControl(IDC_MOVE_DOWN, states.moveDown);
    controls.EnableControl(IDC_DELETE, states.deleteMask);
    controls.EnableControl(IDC_LINE_COUNT, states.lineCount);
}

void UpdateAddButton(DialogControls& controls)
{
    controls.EnableControl(IDC_ADD, controls.MaskEditLength() > 0);
}

} // namespace zandrel
