#include <gtest/gtest.h>

#include "settings/SettingsRecord.h"

namespace zandrel {
namespace {

TEST(SettingsRecord, StartValuesAreEmptyClearAndZero)
{
    const SettingsRecord record;
    EXPECT_EQ(record.maskList.Count(), 0u);
    EXPECT_FALSE(record.limitFlag);
    EXPECT_EQ(record.lineLimit, 0);
}

TEST(SettingsRecord, DefaultsReplaceWhateverTheListHeld)
{
    SettingsRecord record;
    record.maskList.Add("old");
    ApplyDefaultSettings(record);
    ASSERT_EQ(record.maskList.Count(), 2u);
    EXPECT_EQ(record.maskList[0], "README.TXT");
    EXPECT_EQ(record.maskList[1], "*.TXT");
    EXPECT_TRUE(record.limitFlag);
    EXPECT_EQ(record.lineLimit, 20);
}

TEST(TStringList, KeepsOrderDuplicatesAndEmptyItems)
{
    TStringList list;
    for (const char* item : {"b", "a", "b", ""}) {
        list.Add(item);
    }
    ASSERT_EQ(list.Count(), 4u);
    EXPECT_EQ(list[0], "b");
    EXPECT_EQ(list[1], "a");
    EXPECT_EQ(list[2], "b");
    EXPECT_EQ(list[3], "");
}

} // namespace
} // namespace zandrel
