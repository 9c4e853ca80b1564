#include "setup/WindowDialogControls.h"

#include "setup/SetupDialogIds.h"

namespace zandrel {

int WindowDialogControls::MaskCount()
{
    return static_cast<int>(::SendDlgItemMessageA(dialog_, IDC_MASK_LIST, LB_GETCOUNT, 0, 0));
}

int WindowDialogControls::MaskSelection()
{
    return static_cast<int>(::SendDlgItemMessageA(dialog_, IDC_MASK_LIST, LB_GETCURSEL, 0, 0));
}

std::string WindowDialogControls::MaskText(int index)
{
    // Sized from the entry itself: entries loaded from the registry may be
    // longer than anything the mask edit lets the user type.
    const LRESULT length = ::SendDlgItemMessageA(dialog_, IDC_MASK_LIST, LB_GETTEXTLEN, index, 0);
    if (length <= 0) {
        return {};
    }
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = ::SendDlgItemMessageA(dialog_, IDC_MASK_LIST, LB_GETTEXT, index,
                                                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

void WindowDialogControls::AppendMaskEntry(const std::string& text)
{
    ::SendDlgItemMessageA(dialog_, IDC_MASK_LIST, LB_ADDSTRING, 0,
                          reinterpret_cast<LPARAM>(text.c_str()));
}

void WindowDialogControls::InsertMaskEntry(int index, const std::string& text)
{
    ::SendDlgItemMessageA(dialog_, IDC_MASK_LIST, LB_INSERTSTRING, static_cast<WPARAM>(index),
                          reinterpret_cast<LPARAM>(text.c_str()));
}

void WindowDialogControls::DeleteMaskEntry(int index)
{
    ::SendDlgItemMessageA(dialog_, IDC_MASK_LIST, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void WindowDialogControls::SelectMaskEntry(int index)
{
    ::SendDlgItemMessageA(dialog_, IDC_MASK_LIST, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string WindowDialogControls::MaskEditText()
{
    return ItemText(IDC_MASK_EDIT);
}

void WindowDialogControls::ClearMaskEdit()
{
    // The edit then sends EN_UPDATE, which disables Add again.
    ::SetWindowTextA(::GetDlgItem(dialog_, IDC_MASK_EDIT), "");
}

void WindowDialogControls::FocusMaskEdit()
{
    ::SetFocus(::GetDlgItem(dialog_, IDC_MASK_EDIT));
}

int WindowDialogControls::MaskEditLength()
{
    return static_cast<int>(::SendDlgItemMessageA(dialog_, IDC_MASK_EDIT, EM_LINELENGTH, 0, 0));
}

bool WindowDialogControls::LimitChecked()
{
    return ::SendDlgItemMessageA(dialog_, IDC_LIMIT_CHECK, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::string WindowDialogControls::LineCountText()
{
    return ItemText(IDC_LINE_COUNT);
}

std::string WindowDialogControls::ItemText(int id) const
{
    char buffer[256];
    const int length = ::GetWindowTextA(::GetDlgItem(dialog_, id), buffer, sizeof buffer);
    return std::string(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}

void WindowDialogControls::SetLineCountText(const std::string& text)
{
    ::SetWindowTextA(::GetDlgItem(dialog_, IDC_LINE_COUNT), text.c_str());
}

void WindowDialogControls::EnableControl(int id, bool enabled)
{
    ::EnableWindow(::GetDlgItem(dialog_, id), enabled ? TRUE : FALSE);
}

void WindowDialogControls::ShowError(const std::string& text)
{
    ::MessageBoxA(dialog_, text.c_str(), "Error", MB_ICONERROR);
}

} // namespace zandrel
