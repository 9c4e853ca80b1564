#include "setup/SetupDialogProc.h"

#include <string>

#include "plugin/HostRegistration.h"
#include "plugin/ZandrelPlugin.h"
#include "settings/SettingsRecord.h"
#include "settings/SettingsStore.h"
#include "setup/CollectSettings.h"
#include "setup/EnablingRules.h"
#include "setup/IntegerParse.h"
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

void FillControls(HWND dialog)
{
    const SettingsRecord& record = Settings();
    SendItem(dialog, IDC_MASK_LIST, LB_RESETCONTENT);
    for (const std::string& mask : record.maskList) {
        SendItem(dialog, IDC_MASK_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(mask.c_str()));
    }
    SendItem(dialog, IDC_LIMIT_CHECK, BM_SETCHECK, CheckStateOfFlag[record.limitFlag ? 1 : 0]);
    // Set text is not held to the typing limit, so a longer stored value shows whole.
    ::SetWindowTextA(::GetDlgItem(dialog, IDC_LINE_COUNT), FormatInteger(record.lineLimit).c_str());
}

bool CollectSettings(HWND dialog)
{
    WindowDialogControls controls(dialog);
    return CollectSettings(controls, Settings());
}

void UpdateButtons(HWND dialog)
{
    WindowDialogControls controls(dialog);
    UpdateButtons(controls);
}

void UpdateAddButton(HWND dialog)
{
    WindowDialogControls controls(dialog);
    UpdateAddButton(controls);
}

// Only the look: the dialog's default command stays IDOK (no DM_SETDEFID), and
// the OK handler tells Enter in the mask edit apart by the focus.
void SetDefaultButton(HWND dialog, bool addIsDefault)
{
    SendItem(dialog, IDC_ADD, BM_SETSTYLE, addIsDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    SendItem(dialog, IDOK, BM_SETSTYLE, addIsDefault ? BS_PUSHBUTTON : BS_DEFPUSHBUTTON, TRUE);
}

void AddMask(HWND dialog)
{
    char buffer[MaskTypingLimit + 1];
    const HWND edit = ::GetDlgItem(dialog, IDC_MASK_EDIT);
    const int length = ::GetWindowTextA(edit, buffer, sizeof buffer);
    buffer[length > 0 ? length : 0] = '\0';
    SendItem(dialog, IDC_MASK_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(buffer));
    // Clearing the edit makes it send EN_UPDATE, which disables Add again.
    ::SetWindowTextA(edit, "");
    ::SetFocus(edit);
    UpdateButtons(dialog);
}

void DeleteMask(HWND dialog)
{
    auto selection = static_cast<int>(SendItem(dialog, IDC_MASK_LIST, LB_GETCURSEL));
    if (selection >= 0) {
        SendItem(dialog, IDC_MASK_LIST, LB_DELETESTRING, static_cast<WPARAM>(selection));
    }
    if (selection == static_cast<int>(SendItem(dialog, IDC_MASK_LIST, LB_GETCOUNT))) {
        --selection;
    }
    // -1 clears the selection once the list is empty.
    SendItem(dialog, IDC_MASK_LIST, LB_SETCURSEL, static_cast<WPARAM>(selection));
    UpdateButtons(dialog);
}

void MoveMask(HWND dialog, bool up)
{
    const auto selection = static_cast<int>(SendItem(dialog, IDC_MASK_LIST, LB_GETCURSEL));
    if (selection < 0) {
        return;
    }
    const int destination = up ? selection - 1 : selection + 1;
    // Read whole, however long the entry is.
    const std::string text = WindowDialogControls(dialog).MaskText(selection);
    SendItem(dialog, IDC_MASK_LIST, LB_DELETESTRING, static_cast<WPARAM>(selection));
    SendItem(dialog, IDC_MASK_LIST, LB_INSERTSTRING, static_cast<WPARAM>(destination),
             reinterpret_cast<LPARAM>(text.c_str()));
    SendItem(dialog, IDC_MASK_LIST, LB_SETCURSEL, static_cast<WPARAM>(destination));
    UpdateButtons(dialog);
}

INT_PTR OnInitDialog(HWND dialog)
{
    CentreOnDesktop(dialog);
    SendItem(dialog, IDC_MASK_EDIT, EM_LIMITTEXT, MaskTypingLimit);
    SendItem(dialog, IDC_LINE_COUNT, EM_LIMITTEXT, LineCountTypingLimit);
    FillControls(dialog);
    UpdateButtons(dialog);
    UpdateAddButton(dialog);
    return FALSE; // no default focus; none is set here either
}

void OnOk(HWND dialog)
{
    const HWND maskEdit = ::GetDlgItem(dialog, IDC_MASK_EDIT);
    if (::GetFocus() == maskEdit) {
        // Enter in the mask edit adds the typed mask; with nothing typed it does
        // nothing rather than add an empty entry.
        if (::GetWindowTextLengthA(maskEdit) > 0) {
            AddMask(dialog);
        }
        return;
    }
    if (!CollectSettings(dialog)) {
        return;
    }
    SaveSettings();
    RegisterDescPlugins(HostRegisterProc);
    ::EndDialog(dialog, 0);
}

void OnCancel(HWND dialog)
{
    ::EndDialog(dialog, 0);
}

INT_PTR OnCommand(HWND dialog, WORD id, WORD code)
{
    switch (id) {
    case IDOK:
        OnOk(dialog);
        return TRUE;
    case IDCANCEL:
        OnCancel(dialog);
        return TRUE;
    case IDC_MASK_LIST:
        if (code == LBN_SELCHANGE) {
            UpdateButtons(dialog);
        }
        return TRUE;
    case IDC_ADD:
        AddMask(dialog);
        return TRUE;
    case IDC_DELETE:
        DeleteMask(dialog);
        return TRUE;
    case IDC_MOVE_DOWN:
        MoveMask(dialog, false);
        return TRUE;
    case IDC_MOVE_UP:
        MoveMask(dialog, true);
        return TRUE;
    case IDC_MASK_EDIT:
        if (code == EN_SETFOCUS) {
            SetDefaultButton(dialog, true);
        } else if (code == EN_KILLFOCUS) {
            SetDefaultButton(dialog, false);
        } else if (code == EN_UPDATE) {
            UpdateAddButton(dialog);
        }
        return TRUE;
    case IDC_LIMIT_CHECK:
        UpdateButtons(dialog);
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

INT_PTR CALLBACK SetupDialogProc(HWND dialog, UINT message, WPARAM wParam,
                                 LPARAM /*lParam*/) noexcept
{
    try {
        switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog(dialog);
        case WM_COMMAND:
            return OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
        default:
            return FALSE;
        }
    } catch (...) {
        // Nothing may unwind into the dialog manager; the dialog stays as it is.
        return FALSE;
    }
}

} // namespace zandrel
