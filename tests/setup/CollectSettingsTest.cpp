#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/SettingsRecord.h"
#include "setup/CollectSettings.h"
#include "setup/FakeDialogControls.h"
#include "support/SettingsExpectations.h"

namespace zandrel {
namespace {

std::vector<std::string> Masks(const SettingsRecord& record)
{
    return {record.maskList.begin(), record.maskList.end()};
}

struct LineCountRow {
    bool checked;
    const char* typed;
    bool result;
    std::int32_t lineLimit; // in the record afterwards (the old one is 20)
    const char* editAfter;  // the line-count edit afterwards
    bool errorShown;
};

const LineCountRow lineCountRows[] = {
    {true, "5", true, 5, "5", false},
    {true, "$FF", true, 255, "$FF", false}, // a valid text is left as typed
    {true, "0", true, 1, "0", false},       // below 1 becomes 1, silently
    {true, "-5", true, 1, "-5", false},
    {false, "-5", true, 1, "-5", false},
    {false, "7", true, 7, "7", false},    // parsed even with the flag clear
    {true, "abc", false, 20, "20", true}, // refused: message, old limit back
    {true, "", false, 20, "20", true},
    {true, "12 ", false, 20, "20", true},
    {false, "abc", true, 20, "20", false}, // flag clear: no message, OK goes on
    {false, "", true, 20, "20", false},
};

TEST(CollectSettingsTest, LineCount)
{
    for (const LineCountRow& row : lineCountRows) {
        SettingsRecord record = test::Record({"x"}, !row.checked, 20);
        test::FakeDialogControls controls;
        controls.limitChecked = row.checked;
        controls.lineCount = row.typed;
        const bool result = CollectSettings(controls, record);
        SCOPED_TRACE(std::string("checked ") + (row.checked ? "yes" : "no") + ", typed \"" +
                     row.typed + "\"");
        EXPECT_EQ(result, row.result);
        EXPECT_EQ(record.limitFlag, row.checked);
        EXPECT_EQ(record.lineLimit, row.lineLimit);
        EXPECT_EQ(controls.lineCount, row.editAfter);
        if (row.errorShown) {
            ASSERT_EQ(controls.errors.size(), 1u);
            EXPECT_EQ(controls.errors[0],
                      std::string("\"") + row.typed + "\" is not a valid integer value.");
        } else {
            EXPECT_TRUE(controls.errors.empty());
        }
    }
}

TEST(CollectSettingsTest, MaskListTakesTheListBoxOrderWholeEntriesDuplicatesAndEmpties)
{
    const std::string longEntry = std::string(300, 'L') + ".TXT"; // longer than anything typed
    SettingsRecord record = test::Record({"old"}, true, 20);
    test::FakeDialogControls controls;
    controls.masks = {"b", "", "a", "b", longEntry, "  "};
    controls.limitChecked = true;
    controls.lineCount = "20";
    EXPECT_TRUE(CollectSettings(controls, record));
    EXPECT_EQ(Masks(record), controls.masks);
}

TEST(CollectSettingsTest, RefusedNumberStillLeavesTheListAndFlagInTheRecord)
{
    SettingsRecord record = test::Record({"old"}, false, 9);
    test::FakeDialogControls controls;
    controls.masks = {"new"};
    controls.limitChecked = true;
    controls.lineCount = "1x";
    EXPECT_FALSE(CollectSettings(controls, record));
    EXPECT_EQ(Masks(record), std::vector<std::string>{"new"});
    EXPECT_TRUE(record.limitFlag);
    EXPECT_EQ(record.lineLimit, 9);
    EXPECT_EQ(controls.lineCount, "9");
}

TEST(CollectSettingsTest, EmptyListBoxEmptiesTheList)
{
    SettingsRecord record = test::Record({"README.TXT", "*.TXT"}, true, 20);
    test::FakeDialogControls controls;
    controls.limitChecked = true;
    controls.lineCount = "20";
    EXPECT_TRUE(CollectSettings(controls, record));
    EXPECT_EQ(record.maskList.Count(), 0u);
}

} // namespace
} // namespace zandrel
