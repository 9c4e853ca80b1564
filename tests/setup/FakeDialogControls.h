#pragma once
// A stand-in for the setup dialog's controls: the list entries, the selection,
// the check box and the two edits as plain values, with a record of what the
// rules changed. An index outside the list, which the rules never give, fails
// the test.

#include <gtest/gtest.h>

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
    bool maskEditFocused = false;
    bool limitChecked = false;
    std::string lineCount;

    std::map<int, bool> enabled;     // last state given to each control id
    std::vector<std::string> errors; // texts of the error boxes shown

    int MaskCount() override { return static_cast<int>(masks.size()); }
    int MaskSelection() override { return selection; }
    std::string MaskText(int index) override { return masks.at(static_cast<std::size_t>(index)); }
    void AppendMaskEntry(const std::string& text) override { masks.push_back(text); }
    void InsertMaskEntry(int index, const std::string& text) override
    {
        if (index < 0 || index > MaskCount()) {
            ADD_FAILURE() << "insert at " << index << " into " << MaskCount() << " entries";
            return;
        }
        masks.insert(masks.begin() + index, text);
        if (selection >= index) {
            ++selection;
        }
    }
    void DeleteMaskEntry(int index) override
    {
        if (index < 0 || index >= MaskCount()) {
            ADD_FAILURE() << "delete " << index << " of " << MaskCount() << " entries";
            return;
        }
        masks.erase(masks.begin() + index);
        // As a list box does: the selection goes with the entry or moves up with the rest.
        if (selection == index) {
            selection = -1;
        } else if (selection > index) {
            --selection;
        }
    }
    void SelectMaskEntry(int index) override
    {
        if (index < -1 || index >= MaskCount()) {
            ADD_FAILURE() << "select " << index << " of " << MaskCount() << " entries";
            return;
        }
        selection = index;
    }
    int MaskEditLength() override { return static_cast<int>(maskEdit.size()); }
    std::string MaskEditText() override { return maskEdit; }
    void ClearMaskEdit() override { maskEdit.clear(); }
    void FocusMaskEdit() override { maskEditFocused = true; }
    bool LimitChecked() override { return limitChecked; }
    std::string LineCountText() override { return lineCount; }
    void SetLineCountText(const std::string& text) override { lineCount = text; }
    void EnableControl(int id, bool state) override { enabled[id] = state; }
    void ShowError(const std::string& text) override { errors.push_back(text); }
};

} // namespace zandrel::test
