#pragma once

#include <windows.h>

#include "settings/SettingsRecord.h"

namespace zandrel {

// What the setup dialog works on. Its address is DialogBoxParamA's parameter;
// the procedure keeps it in the window's user data while the dialog is open.
struct SetupDialogContext {
    // A copy of the settings: shown at start; every OK, a refused one too,
    // collects the controls into it.
    SettingsRecord settings;
    // Runs with the copy after an accepted OK, before the dialog ends: puts it
    // into force, saves and registers. False when the save failed.
    bool (*accepted)(SettingsRecord& settings) noexcept;
};

// Told after an accepted OK whose save failed; the dialog closes all the same.
inline constexpr char SettingsNotSavedText[] =
    "The settings could not be saved. They apply until Quorbit is closed.";

// The dialog procedure of the ZandrelSetupDialog template. Cancel, after any
// number of refused OKs, leaves everything as it was. Nothing escapes it.
INT_PTR CALLBACK SetupDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

} // namespace zandrel
