#pragma once
// DialogControls over the live setup dialog (user32, ANSI calls).

#include <windows.h>

#include "setup/DialogControls.h"

namespace zandrel {

class WindowDialogControls final : public DialogControls {
public:
    explicit WindowDialogControls(HWND dialog) noexcept : dialog_(dialog) {}

    int MaskCount() override;
    int MaskSelection() override;
    std::string MaskText(int index) override;
    int MaskEditLength() override;
    bool LimitChecked() override;
    std::string LineCountText() override;
    void SetLineCountText(const std::string& text) override;
    void EnableControl(int id, bool enabled) override;
    void ShowError(const std::string& text) override;

private:
    HWND dialog_;
};

} // namespace zandrel
