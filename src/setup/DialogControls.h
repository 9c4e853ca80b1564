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
    // The mask edit: the length of its text.
    [[nodiscard]] virtual int MaskEditLength() = 0;
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
