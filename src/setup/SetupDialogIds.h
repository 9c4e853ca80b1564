#pragma once
// Control ids of the setup dialog template. Shared by the resource script and
// the dialog procedure, so plain macros: the resource compiler reads this too.
// IDOK (1) and IDCANCEL (2) come from the Windows headers.

#define IDC_MASK_LIST 101
#define IDC_ADD 102
#define IDC_DELETE 103
#define IDC_MOVE_DOWN 104
#define IDC_MASK_EDIT 105
#define IDC_MOVE_UP 106
#define IDC_LIMIT_CHECK 107
#define IDC_LINE_COUNT 108
