#pragma once

#include <windows.h>

namespace zandrel {

// The dialog procedure of the ZandrelSetupDialog template. It works directly
// on the library's settings record; OK saves it and registers with the host
// again, Cancel leaves everything as it was. Nothing escapes it.
INT_PTR CALLBACK SetupDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

} // namespace zandrel
