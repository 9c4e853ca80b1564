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
    void AppendMaskEntry(const std::string& text) override;
    void InsertMaskEntry(int index, const std::string& text) override;
    void DeleteMaskEntry(int index) override;
    void SelectMaskEntry(int index) override;
    int MaskEditLength() override;
    std::string MaskEditText() override;
    void ClearMaskEdit() override;
    void FocusMaskEdit() override;
    bool LimitChecked() override;
    std::string LineCountText() override;
    void SetLineCountText(const std::string& text) override;
    void EnableControl(int id, bool enabled) override;
    void ShowError(const std::string& text) override;

private:
    // At most 255 characters of a control's text.
    [[nodiscard]] std::string ItemText(int id) const;

    HWND dialog_;
};

} // namespace zandrel
