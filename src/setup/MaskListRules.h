#pragma once
// The mask list buttons of the setup dialog. Each ends with UpdateButtons.

#include "setup/DialogControls.h"

namespace zandrel {

// Appends the mask edit's text as it is (also when empty) without moving the
// selection, empties the edit and gives it the focus.
void AddMask(DialogControls& controls);

// Deletes the selected entry and selects the one that took its place, or the
// new last one; nothing is selected once the list is empty.
void DeleteMask(DialogControls& controls);

// Moves the selected entry, whole, one place up or down and keeps it
// selected. With nothing selected it does nothing, UpdateButtons included.
void MoveMask(DialogControls& controls, bool up);

} // namespace zandrel
