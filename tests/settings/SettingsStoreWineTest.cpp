// The settings store against the real registry: HKEY_CURRENT_USER of the
// tests' private Wine prefix. Every test starts with neither vendor tree
// present and removes both when it ends. The registry is set up and inspected
// through the seam's Windows implementation, not through the store.

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/AdvapiRegistry.h"
#include "settings/SettingsStore.h"
#include "support/FaultyRegistry.h"
#include "support/RegistryKeys.h"
#include "support/SettingsExpectations.h"

namespace zandrel {
namespace {

using test::Bytes;
using test::RawValue;
using test::Record;

using test::LegacyKey;
using test::SettingsKey;

void DeleteBothTrees()
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Marrowick");
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Marrowick");
}

bool KeyExists(const char* path)
{
    return test::KeyExists(AdvapiRegistry(), path);
}

void Put(const char* path, const char* name, std::uint32_t type, const Bytes& data)
{
    ASSERT_TRUE(test::PutValue(AdvapiRegistry(), path, name, type, data));
}

void PutText(const char* path, const char* name, const std::string& text)
{
    ASSERT_TRUE(test::PutText(AdvapiRegistry(), path, name, text));
}

std::optional<RawValue> Get(const char* path, const char* name)
{
    return test::GetValue(AdvapiRegistry(), path, name);
}

SettingsRecord Load()
{
    SettingsRecord record;
    LoadSettings(AdvapiRegistry(), record);
    return record;
}

class SettingsStoreWineTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        DeleteBothTrees();
        ASSERT_FALSE(KeyExists("Software\\Marrowick"));
        ASSERT_FALSE(KeyExists("Marrowick"));
    }
    void TearDown() override { DeleteBothTrees(); }

    void PutLegacy()
    {
        PutText(LegacyKey, "FileMasks", "\"My Notes.txt\",*.DIZ");
        Put(LegacyKey, "LimitLines", REG_BINARY, {0xEC, 0xFF, 0xFF, 0xFF});
        PutText("Marrowick\\Other\\Deep", "V", "v");
        PutText("Marrowick\\Quorbit\\Other", "V", "v");
    }
    const SettingsRecord legacy_ = Record({"My Notes.txt", "*.DIZ"}, false, 20);
};

TEST_F(SettingsStoreWineTest, TheRootHandleIsHkeyCurrentUser)
{
    EXPECT_EQ(reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(RegKey::CurrentUser)),
              HKEY_CURRENT_USER);
}

TEST_F(SettingsStoreWineTest, NeitherKeyGivesTheDefaultsAndCreatesNoKey)
{
    EXPECT_EQ(Load(), test::DefaultRecord());
    EXPECT_FALSE(KeyExists("Software\\Marrowick"));
    EXPECT_FALSE(KeyExists("Marrowick"));
}

TEST_F(SettingsStoreWineTest, TheSettingsKeyAloneIsReadAndLeftAsItWas)
{
    PutText(SettingsKey, "FileMasks", "README.TXT, \"a b.txt\"");
    Put(SettingsKey, "LimitLines", REG_BINARY, {0xFF, 0xFF});
    EXPECT_EQ(Load(), Record({"README.TXT", "a b.txt"}, true, 65535));
    EXPECT_EQ(Get(SettingsKey, "FileMasks"),
              (RawValue{REG_SZ, Bytes{'R', 'E', 'A', 'D', 'M', 'E', '.', 'T', 'X', 'T', ',',
                                      ' ', '"', 'a', ' ', 'b', '.', 't', 'x', 't', '"', 0}}));
    EXPECT_EQ(Get(SettingsKey, "LimitLines"), (RawValue{REG_BINARY, Bytes{0xFF, 0xFF}}));
    EXPECT_FALSE(KeyExists("Marrowick"));
}

TEST_F(SettingsStoreWineTest, AnExpandableTextIsTakenUnexpanded)
{
    Put(SettingsKey, "FileMasks", REG_EXPAND_SZ, {'%', 'T', 'E', 'M', 'P', '%', 0});
    EXPECT_EQ(Load(), Record({"%TEMP%"}, true, 0));
}

TEST_F(SettingsStoreWineTest, TheLegacyKeyAloneIsTakenOverAndItsVendorTreeDeleted)
{
    PutLegacy();
    EXPECT_EQ(Load(), legacy_);
    const std::string masks = "\"My Notes.txt\",*.DIZ";
    Bytes maskBytes(masks.begin(), masks.end());
    maskBytes.push_back(0);
    EXPECT_EQ(Get(SettingsKey, "FileMasks"), (RawValue{REG_SZ, maskBytes}));
    EXPECT_EQ(Get(SettingsKey, "LimitLines"),
              (RawValue{REG_BINARY, Bytes{0xEC, 0xFF, 0xFF, 0xFF}}));
    EXPECT_FALSE(KeyExists("Marrowick"));
    EXPECT_EQ(Load(), legacy_); // the next start, from the settings key
}

TEST_F(SettingsStoreWineTest, WithBothKeysTheSettingsKeyWinsAndTheLegacyTreeStays)
{
    PutLegacy();
    PutText(SettingsKey, "FileMasks", "new.txt");
    Put(SettingsKey, "LimitLines", REG_BINARY, {0x05, 0, 0, 0});
    EXPECT_EQ(Load(), Record({"new.txt"}, true, 5));
    EXPECT_TRUE(KeyExists(LegacyKey));
    EXPECT_TRUE(KeyExists("Marrowick\\Other\\Deep"));
    EXPECT_EQ(Get(SettingsKey, "FileMasks"),
              (RawValue{REG_SZ, Bytes{'n', 'e', 'w', '.', 't', 'x', 't', 0}}));
}

TEST_F(SettingsStoreWineTest, ALegacyKeyWithARejectedLimitLinesTypeIsReadButNotDeleted)
{
    PutLegacy();
    Put(LegacyKey, "LimitLines", REG_DWORD, {0x14, 0, 0, 0});
    const SettingsRecord expected = Record({"My Notes.txt", "*.DIZ"}, false, 0);
    EXPECT_EQ(Load(), expected);
    EXPECT_TRUE(KeyExists("Marrowick\\Other\\Deep"));
    EXPECT_FALSE(KeyExists(SettingsKey));
    EXPECT_EQ(Load(), expected); // read again at the next start
}

TEST_F(SettingsStoreWineTest, AFailedTakeOverLeavesNoSettingsKeyAndTheLegacyTreeWhole)
{
    PutLegacy();
    test::FaultyRegistry api(AdvapiRegistry());
    api.FailKind(test::RegCall::SetValue, 2); // LimitLines
    SettingsRecord record;
    LoadSettings(api, record);
    EXPECT_EQ(record, legacy_);
    EXPECT_EQ(api.KeysStillOpen(), 0u);
    EXPECT_FALSE(KeyExists(SettingsKey)); // deleted again while it was open
    EXPECT_TRUE(KeyExists("Marrowick\\Other\\Deep"));
    EXPECT_EQ(Load(), legacy_); // the next start takes it over
    EXPECT_FALSE(KeyExists("Marrowick"));
}

TEST_F(SettingsStoreWineTest, ThePlugInsFormsSaveAndLoadTheLibrarysRecord)
{
    SettingsRecord& settings = Settings();
    const SettingsRecord saved = settings;
    settings = Record({}, false, 0);
    SaveSettings();
    EXPECT_EQ(Get(SettingsKey, "FileMasks"), (RawValue{REG_SZ, Bytes{0}}));
    EXPECT_EQ(Get(SettingsKey, "LimitLines"), (RawValue{REG_BINARY, Bytes{0, 0, 0, 0}}));

    settings = Record({"x y", "*.TXT"}, false, INT32_MIN);
    SaveSettings();
    EXPECT_EQ(Get(SettingsKey, "LimitLines"), (RawValue{REG_BINARY, Bytes{0, 0, 0, 0x80}}));
    settings = SettingsRecord();
    LoadSettings();
    EXPECT_EQ(settings, Record({"x y", "*.TXT"}, false, INT32_MIN));
    settings = saved;
}

} // namespace
} // namespace zandrel
