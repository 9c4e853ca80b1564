#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "setup/EnablingRules.h"
#include "setup/FakeDialogControls.h"
#include "setup/MaskListRules.h"
#include "setup/SetupDialogIds.h"

namespace zandrel {
namespace {

enum class Button { Add, Delete, MoveUp, MoveDown };

const std::string LongEntry(300, 'L'); // longer than anything the dialog lets one type

struct MaskRow {
    const char* name;
    std::vector<std::string> masks;
    int selection;
    Button button;
    std::vector<std::string> masksAfter;
    int selectionAfter;
    bool buttonsUpdated = true;
    const char* typed = "";
};

const MaskRow maskRows[] = {
    {"add appends although an entry is selected",
     {"one", "two"},
     0,
     Button::Add,
     {"one", "two", "three"},
     0,
     true,
     "three"},
    {"add keeps spaces and duplicates",
     {"one"},
     -1,
     Button::Add,
     {"one", " one "},
     -1,
     true,
     " one "},
    {"add with nothing typed appends an empty entry", {}, -1, Button::Add, {""}, -1},
    {"delete the last: the new last is selected",
     {"one", "two", "three"},
     2,
     Button::Delete,
     {"one", "two"},
     1},
    {"delete the first: the entry moving up is selected",
     {"one", "two", "three"},
     0,
     Button::Delete,
     {"two", "three"},
     0},
    {"delete in the middle", {"one", "two", "three"}, 1, Button::Delete, {"one", "three"}, 1},
    {"delete the only entry: nothing selected", {"one"}, 0, Button::Delete, {}, -1},
    {"delete with nothing selected", {"one", "two"}, -1, Button::Delete, {"one", "two"}, -1},
    {"up into the first place",
     {"one", "two", "three"},
     1,
     Button::MoveUp,
     {"two", "one", "three"},
     0},
    {"down into the last place",
     {"one", "two", "three"},
     1,
     Button::MoveDown,
     {"one", "three", "two"},
     2},
    {"the first entry down",
     {"one", "two", "three"},
     0,
     Button::MoveDown,
     {"two", "one", "three"},
     1},
    {"the last entry up", {"one", "two", "three"}, 2, Button::MoveUp, {"one", "three", "two"}, 1},
    {"down with nothing selected does nothing at all",
     {"one", "two"},
     -1,
     Button::MoveDown,
     {"one", "two"},
     -1,
     false},
    {"an entry longer than 255 characters moves whole",
     {"a", LongEntry},
     1,
     Button::MoveUp,
     {LongEntry, "a"},
     0},
};

void Press(Button button, DialogControls& controls)
{
    switch (button) {
    case Button::Add:
        AddMask(controls);
        break;
    case Button::Delete:
        DeleteMask(controls);
        break;
    case Button::MoveUp:
        MoveMask(controls, true);
        break;
    case Button::MoveDown:
        MoveMask(controls, false);
        break;
    }
}

TEST(MaskListRulesTest, EachButtonOverTheListAndSelection)
{
    for (const MaskRow& row : maskRows) {
        SCOPED_TRACE(row.name);
        test::FakeDialogControls controls;
        controls.masks = row.masks;
        controls.selection = row.selection;
        controls.maskEdit = row.typed;
        Press(row.button, controls);

        EXPECT_EQ(controls.masks, row.masksAfter);
        EXPECT_EQ(controls.selection, row.selectionAfter);
        std::map<int, bool> buttons;
        if (row.buttonsUpdated) {
            const ButtonStates states =
                EnablingRules(static_cast<int>(row.masksAfter.size()), row.selectionAfter, false);
            buttons = {{IDC_MOVE_UP, states.moveUp},
                       {IDC_MOVE_DOWN, states.moveDown},
                       {IDC_DELETE, states.deleteMask},
                       {IDC_LINE_COUNT, false}};
        }
        EXPECT_EQ(controls.enabled, buttons);
        // Only Add empties the mask edit and gives it the focus.
        const bool add = row.button == Button::Add;
        EXPECT_EQ(controls.maskEdit, add ? "" : row.typed);
        EXPECT_EQ(controls.maskEditFocused, add);
    }
}

} // namespace
} // namespace zandrel
