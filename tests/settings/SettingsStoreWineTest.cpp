// The settings store against the real registry: HKEY_CURRENT_USER of the
// tests' private Wine prefix. Every test starts with neither vendor tree
// present and removes both when it ends. The registry is set up and inspected
// with advapi32 directly, not through the code under test.

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "plugin/WindowsHandles.h"
#include "settings/AdvapiRegistry.h"
#include "settings/SettingsStore.h"
#include "support/FaultyRegistry.h"
#include "support/SettingsExpectations.h"

namespace zandrel {
namespace {

using test::Record;
using Bytes = std::vector<std::uint8_t>;

using test::LegacyKey;
using test::SettingsKey;

struct RawValue {
    DWORD type;
    Bytes data;
    bool operator==(const RawValue&) const = default;
};

void DeleteBothTrees()
{
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Marrowick");
    ::RegDeleteTreeA(HKEY_CURRENT_USER, "Marrowick");
}

bool KeyExists(const char* path)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    UniqueRegKey owner(key);
    return true;
}

void Put(const char* path, const char* name, DWORD type, const Bytes& data)
{
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    UniqueRegKey owner(key);
    ASSERT_EQ(::RegSetValueExA(key, name, 0, type, data.data(), static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
}

void PutText(const char* path, const char* name, const std::string& text)
{
    Bytes data(text.begin(), text.end());
    data.push_back(0);
    Put(path, name, REG_SZ, data);
}

std::optional<RawValue> Get(const char* path, const char* name)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    UniqueRegKey owner(key);
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    Bytes data(size);
    if (::RegQueryValueExA(key, name, nullptr, &type, data.data(), &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    data.resize(size);
    return RawValue{type, data};
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
