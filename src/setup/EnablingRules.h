#pragma once
// Which of the setup dialog's controls are enabled, from the state of the
// others. Add, OK, Cancel and the mask edit are left alone by UpdateButtons.

#include "setup/DialogControls.h"

namespace zandrel {

struct ButtonStates {
    bool moveUp;
    bool moveDown;
    bool deleteMask;
    bool lineCount;
    bool operator==(const ButtonStates&) const = default;
};

// count and selection of the mask list box (selection -1: none).
[[nodiscard]] ButtonStates EnablingRules(int count, int selection, bool limitChecked) noexcept;

// Move Up, Move Down, Delete and the line-count edit.
void UpdateButtons(DialogControls& controls);

// Add: enabled while the mask edit holds any character, a space included.
void UpdateAddButton(DialogControls& controls);

} // namespace zandrel
