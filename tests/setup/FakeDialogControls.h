#pragma once
// A stand-in for the setup dialog's controls: the list entries, the selection,
// the check box and the two edits as plain values, with a record of what the
// rules changed.

#include <map>
#include <string>
#include <vector>

#include "setup/DialogControls.h"

namespace zandrel::test {

class FakeDialogControls final : public DialogControls {
public:
    std::vector<std::string> masks;
    int selection = -1;
    std::string maskEdit;
    bool limitChecked = false;
    std::string lineCount;

    std::map<int, bool> enabled;     // last state given to each control id
    std::vector<std::string> errors; // texts of the error boxes shown

    int MaskCount() override { return static_cast<int>(masks.size()); }
    int MaskSelection() override { return selection; }
    std::string MaskText(int index) override { return masks.at(static_cast<std::size_t>(index)); }
    int MaskEditLength() override { return static_cast<int>(maskEdit.size()); }
    bool LimitChecked() override { return limitChecked; }
    std::string LineCountText() override { return lineCount; }
    void SetLineCountText(const std::string& text) override { lineCount = text; }
    void EnableControl(int id, bool state) override { enabled[id] = state; }
    void ShowError(const std::string& text) override { errors.push_back(text); }
};

} // namespace zandrel::test
