#include <gtest/gtest.h>

#include "setup/EnablingRules.h"
#include "setup/FakeDialogControls.h"
#include "setup/SetupDialogIds.h"

namespace zandrel {
namespace {

struct RulesRow {
    int count;
    int selection;
    bool limitChecked;
    ButtonStates expected; // moveUp, moveDown, deleteMask, lineCount
};

const RulesRow rulesRows[] = {
    {0, -1, false, {false, false, false, false}}, // empty list
    {1, -1, true, {false, false, false, true}},
    {1, 0, false, {false, false, true, false}},  // the only entry selected
    {2, -1, false, {false, true, false, false}}, // Move Down enabled, though it will do nothing
    {3, -1, false, {false, true, false, false}},
    {3, 0, false, {false, true, true, false}}, // first
    {3, 1, false, {true, true, true, false}},  // middle
    {3, 2, true, {true, false, true, true}},   // last
};

TEST(EnablingRulesTest, ListStateAndCheckBox)
{
    for (const RulesRow& row : rulesRows) {
        EXPECT_EQ(EnablingRules(row.count, row.selection, row.limitChecked), row.expected)
            << "count " << row.count << ", selection " << row.selection << ", checked "
            << row.limitChecked;
    }
}

TEST(EnablingRulesTest, UpdateButtonsSetsFourControlsAndLeavesTheRest)
{
    test::FakeDialogControls controls;
    controls.masks = {"one", "two", "three"};
    controls.selection = 2;
    controls.limitChecked = false;
    UpdateButtons(controls);
    const std::map<int, bool> expected = {
        {IDC_MOVE_UP, true}, {IDC_MOVE_DOWN, false}, {IDC_DELETE, true}, {IDC_LINE_COUNT, false}};
    EXPECT_EQ(controls.enabled, expected);
}

TEST(EnablingRulesTest, AddFollowsTheMaskEditLength)
{
    const struct {
        const char* text;
        bool enabled;
    } rows[] = {{"", false}, {" ", true}, {"a", true}, {"*.TXT", true}};
    for (const auto& row : rows) {
        test::FakeDialogControls controls;
        controls.maskEdit = row.text;
        UpdateAddButton(controls);
        const std::map<int, bool> expected = {{IDC_ADD, row.enabled}};
        EXPECT_EQ(controls.enabled, expected) << "mask edit \"" << row.text << "\"";
    }
}

} // namespace
} // namespace zandrel
