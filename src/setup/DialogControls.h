#pragma once
// What the setup dialog's rules need from its controls, so that the rules run
// over the real dialog and over a substitute alike. Ids are those of
// SetupDialogIds.h.

#include <string>

namespace zandrel {

class DialogControls {
public:
    // The mask list box.
    [[nodiscard]] virtual int MaskCount() = 0;
    [[nodiscard]] virtual int MaskSelection() = 0;             // -1 when nothing is selected
    [[nodiscard]] virtual std::string MaskText(int index) = 0; // the whole entry
    virtual void AppendMaskEntry(const std::string& text) = 0;
    virtual void InsertMaskEntry(int index, const std::string& text) = 0;
    virtual void DeleteMaskEntry(int index) = 0;
    virtual void SelectMaskEntry(int index) = 0; // -1 clears the selection
    // The mask edit.
    [[nodiscard]] virtual int MaskEditLength() = 0;
    [[nodiscard]] virtual std::string MaskEditText() = 0; // at most 255 characters
    virtual void ClearMaskEdit() = 0;
    virtual void FocusMaskEdit() = 0;
    // The limit check box and the line-count edit.
    [[nodiscard]] virtual bool LimitChecked() = 0;
    [[nodiscard]] virtual std::string LineCountText() = 0; // at most 255 characters
    virtual void SetLineCountText(const std::string& text) = 0;

    virtual void EnableControl(int id, bool enabled) = 0;
    // The error box, modal to the dialog: caption "Error", one OK button.
    virtual void ShowError(const std::string& text) = 0;

protected:
    ~DialogControls() = default;
};

} // namespace zandrel
