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
    char buffer[256];
    const int length =
        ::GetWindowTextA(::GetDlgItem(dialog_, IDC_LINE_COUNT), buffer, sizeof buffer);
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
