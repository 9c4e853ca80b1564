#pragma once

#include <windows.h>

#include "settings/SettingsRecord.h"

namespace zandrel {

// What the setup dialog works on. Its address is DialogBoxParamA's parameter;
// the procedure keeps it in the window's user data while the dialog is open.
struct SetupDialogContext {
    // Shown at start. OK writes the controls into it, a refused OK included.
    SettingsRecord& settings;
    // Runs after an accepted OK, before the dialog ends: save and register.
    void (*accepted)() noexcept;
};

// The dialog procedure of the ZandrelSetupDialog template. Cancel leaves
// everything as it was. Nothing escapes it.
INT_PTR CALLBACK SetupDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

} // namespace zandrel
