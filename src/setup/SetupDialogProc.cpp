#include "setup/SetupDialogProc.h"

#include <string>

#include "setup/CollectSettings.h"
#include "setup/EnablingRules.h"
#include "setup/IntegerParse.h"
#include "setup/MaskListRules.h"
#include "setup/SetupDialogIds.h"
#include "setup/WindowDialogControls.h"

namespace zandrel {
namespace {

constexpr int MaskTypingLimit = 255;
constexpr int LineCountTypingLimit = 3;
constexpr WPARAM CheckStateOfFlag[2] = {BST_UNCHECKED, BST_CHECKED};

LRESULT SendItem(HWND dialog, int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendDlgItemMessageA(dialog, id, message, wParam, lParam);
}

// Centred on the desktop, ignoring the template's position and the desktop's
// own origin; the size stays and nothing is repainted before the first show.
void CentreOnDesktop(HWND dialog)
{
    RECT desktop{};
    RECT own{};
    ::GetWindowRect(::GetDesktopWindow(), &desktop);
    ::GetWindowRect(dialog, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    const int x = (desktop.right - desktop.left - width) / 2;
    const int y = (desktop.bottom - desktop.top - height) / 2;
    ::MoveWindow(dialog, x, y, width, height, FALSE);
}

void FillControls(HWND dialog, const SettingsRecord& record)
{
    SendItem(dialog, IDC_MASK_LIST, LB_RESETCONTENT);
    for (const std::string& mask : record.maskList) {
        SendItem(dialog, IDC_MASK_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(mask.c_str()));
    }
    SendItem(dialog, IDC_LIMIT_CHECK, BM_SETCHECK, CheckStateOfFlag[record.limitFlag ? 1 : 0]);
    // Set text is not held to the typing limit, so a longer stored value shows whole.
    ::SetWindowTextA(::GetDlgItem(dialog, IDC_LINE_COUNT), FormatInteger(record.lineLimit).c_str());
}

// Only the look: the dialog's default command stays IDOK (no DM_SETDEFID), and
// the OK handler tells Enter in the mask edit apart by the focus.
void SetDefaultButton(HWND dialog, bool addIsDefault)
{
    SendItem(dialog, IDC_ADD, BM_SETSTYLE, addIsDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    SendItem(dialog, IDOK, BM_SETSTYLE, addIsDefault ? BS_PUSHBUTTON : BS_DEFPUSHBUTTON, TRUE);
}

INT_PTR OnInitDialog(HWND dialog, SetupDialogContext& context)
{
    CentreOnDesktop(dialog);
    SendItem(dialog, IDC_MASK_EDIT, EM_LIMITTEXT, MaskTypingLimit);
    SendItem(dialog, IDC_LINE_COUNT, EM_LIMITTEXT, LineCountTypingLimit);
    FillControls(dialog, context.settings);
    WindowDialogControls controls(dialog);
    UpdateButtons(controls);
    UpdateAddButton(controls);
    return FALSE; // no default focus; none is set here either
}

void OnOk(HWND dialog, SetupDialogContext& context)
{
    WindowDialogControls controls(dialog);
    const HWND maskEdit = ::GetDlgItem(dialog, IDC_MASK_EDIT);
    if (::GetFocus() == maskEdit) {
        // Enter in the mask edit adds the typed mask; with nothing typed it does
        // nothing rather than add an empty entry.
        if (::GetWindowTextLengthA(maskEdit) > 0) {
            AddMask(controls);
        }
        return;
    }
    if (!CollectSettings(controls, context.settings)) {
        return;
    }
    if (!context.accepted(context.settings)) {
        controls.ShowError(SettingsNotSavedText);
    }
    ::EndDialog(dialog, 0);
}

void OnCancel(HWND dialog)
{
    ::EndDialog(dialog, 0);
}

INT_PTR OnCommand(HWND dialog, SetupDialogContext& context, WORD id, WORD code)
{
    WindowDialogControls controls(dialog);
    switch (id) {
    case IDOK:
        OnOk(dialog, context);
        return TRUE;
    case IDCANCEL:
        OnCancel(dialog);
        return TRUE;
    case IDC_MASK_LIST:
        if (code == LBN_SELCHANGE) {
            UpdateButtons(controls);
        }
        return TRUE;
    case IDC_ADD:
        AddMask(controls);
        return TRUE;
    case IDC_DELETE:
        DeleteMask(controls);
        return TRUE;
    case IDC_MOVE_DOWN:
        MoveMask(controls, false);
        return TRUE;
    case IDC_MOVE_UP:
        MoveMask(controls, true);
        return TRUE;
    case IDC_MASK_EDIT:
        if (code == EN_SETFOCUS) {
            SetDefaultButton(dialog, true);
        } else if (code == EN_KILLFOCUS) {
            SetDefaultButton(dialog, false);
        } else if (code == EN_UPDATE) {
            UpdateAddButton(controls);
        }
        return TRUE;
    case IDC_LIMIT_CHECK:
        UpdateButtons(controls);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR CALLBACK SetupDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) noexcept
{
    try {
        if (message == WM_INITDIALOG) {
            ::SetWindowLongPtrA(dialog, GWLP_USERDATA, lParam);
        }
        // Null for the few messages that come before WM_INITDIALOG.
        auto* context =
            reinterpret_cast<SetupDialogContext*>(::GetWindowLongPtrA(dialog, GWLP_USERDATA));
        if (context == nullptr) {
            return FALSE;
        }
        switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog(dialog, *context);
        case WM_COMMAND:
            return OnCommand(dialog, *context, LOWORD(wParam), HIWORD(wParam));
        default:
            return FALSE;
        }
    } catch (...) {
        // Nothing may unwind into the dialog manager; the dialog stays as it is.
        return FALSE;
    }
}

} // namespace zandrel
