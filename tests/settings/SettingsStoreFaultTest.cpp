// Every registry call that a load, a save and a legacy take-over make, failed
// one at a time. Each row names the call (the rows together spell out the
// whole sequence of a run without failures) and what must hold afterwards.
// Every run also checks that the calls before the failed one were those of the
// run without failures, that no key was left open (except by a failed close,
// which leaves exactly its own key), and that the next library start finds the
// user's settings.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "settings/SettingsStore.h"
#include "support/FaultyRegistry.h"
#include "support/MemoryRegistry.h"
#include "support/SettingsExpectations.h"

namespace zandrel {
namespace {

using test::Record;

using test::LegacyKey;
using test::SettingsKey;
constexpr RegStatus Injected = 1009; // ERROR_BADDB: a status no call returns here by itself

// What the operation does after the failed call.
enum class Then {
    Continues, // the failure is one the operation steps over
    Stops,     // nothing but closing its keys
    Undoes,    // closing, and deleting the settings key it had just made
};

const std::vector<std::string> UndoCalls = {std::string("OpenKey ") + SettingsKey, "QueryInfoKey",
                                            "CloseKey", std::string("DeleteKey ") + SettingsKey,
                                            "CloseKey"};

const SettingsRecord UserSettings = Record({"My Notes.txt", "*.DIZ"}, false, 20);

void PutUserSettings(test::MemoryRegistry& memory, const char* key)
{
    memory.SetText(key, "FileMasks", "\"My Notes.txt\",*.DIZ");
    memory.SetValue(key, "LimitLines", RegBinary, {0xEC, 0xFF, 0xFF, 0xFF});
}

SettingsRecord NextStartLoad(test::MemoryRegistry& memory)
{
    SettingsRecord record;
    LoadSettings(memory, record);
    return record;
}

// Runs the operation once without failures, checks its calls against the
// table, then once per row with that row's call failed, and hands each run's
// registries to check.
template <typename Row>
void ForEveryCall(const std::vector<Row>& rows,
                  const std::function<void(test::MemoryRegistry&)>& setUp,
                  const std::function<void(test::FaultyRegistry&)>& operation,
                  const std::function<void(const Row&, test::MemoryRegistry&)>& check)
{
    std::vector<std::string> cleanCalls;
    {
        test::MemoryRegistry memory;
        setUp(memory);
        test::FaultyRegistry api(memory);
        operation(api);
        cleanCalls = api.CallNames();
    }
    std::vector<std::string> tableCalls;
    for (const Row& row : rows) {
        tableCalls.emplace_back(row.call);
    }
    ASSERT_EQ(cleanCalls, tableCalls);

    for (std::size_t number = 1; number <= rows.size(); ++number) {
        const Row& row = rows[number - 1];
        SCOPED_TRACE("call " + std::to_string(number) + " fails: " + row.call);
        test::MemoryRegistry memory;
        setUp(memory);
        test::FaultyRegistry api(memory);
        api.FailCall(number, Injected);
        operation(api); // noexcept: an escaping exception would end the process

        const std::vector<std::string> calls = api.CallNames();
        ASSERT_GE(calls.size(), number);
        EXPECT_TRUE(std::equal(calls.begin(), calls.begin() + static_cast<long>(number),
                               cleanCalls.begin()));
        EXPECT_EQ(api.Calls()[number - 1].status, Injected);
        const std::vector<std::string> after(calls.begin() + static_cast<long>(number),
                                             calls.end());
        if (row.then == Then::Stops) {
            for (const std::string& call : after) {
                EXPECT_EQ(call, "CloseKey");
            }
        } else if (row.then == Then::Undoes) {
            EXPECT_EQ(after, UndoCalls);
        }

        const std::size_t leftOpen = std::string(row.call) == "CloseKey" ? 1 : 0;
        EXPECT_EQ(api.KeysStillOpen(), leftOpen);
        EXPECT_EQ(memory.OpenHandleCount(), leftOpen);
        EXPECT_EQ(memory.RootCloseCount(), 0u);
        check(row, memory);
    }
}

struct LoadRow {
    const char* call;
    Then then;
    SettingsRecord loaded;
};

TEST(SettingsStoreFaults, LoadFromTheSettingsKey)
{
    const std::string open = std::string("OpenKey ") + SettingsKey;
    const std::vector<LoadRow> rows = {
        {open.c_str(), Then::Continues, test::DefaultRecord()}, // no legacy key either
        {"QueryValue FileMasks", Then::Continues, Record({}, false, 20)},
        {"QueryValue FileMasks", Then::Stops, Record({}, false, 0)},
        {"QueryValue LimitLines", Then::Continues, Record({"My Notes.txt", "*.DIZ"}, true, 0)},
        {"QueryValue LimitLines", Then::Stops, Record({"My Notes.txt", "*.DIZ"}, false, 0)},
        {"CloseKey", Then::Stops, UserSettings},
    };
    SettingsRecord record;
    std::string before;
    ForEveryCall<LoadRow>(
        rows,
        [&](test::MemoryRegistry& memory) {
            PutUserSettings(memory, SettingsKey);
            before = memory.Dump();
        },
        [&](test::FaultyRegistry& api) {
            record = SettingsRecord();
            LoadSettings(api, record);
        },
        [&](const LoadRow& row, test::MemoryRegistry& memory) {
            EXPECT_EQ(record, row.loaded);
            EXPECT_EQ(memory.Dump(), before);
            EXPECT_EQ(NextStartLoad(memory), UserSettings);
        });
}

enum class Stored { Old, New, Missing };

struct SaveRow {
    const char* call;
    Then then;
    Stored fileMasks;
    Stored limitLines;
};

TEST(SettingsStoreFaults, SaveOverEarlierSettings)
{
    const std::string create = std::string("CreateKey ") + SettingsKey;
    const std::vector<SaveRow> rows = {
        {create.c_str(), Then::Stops, Stored::Old, Stored::Old},
        {"SetValue FileMasks", Then::Stops, Stored::Old, Stored::Old},
        {"SetValue LimitLines", Then::Stops, Stored::New, Stored::Old},
        {"CloseKey", Then::Stops, Stored::New, Stored::New},
    };
    const test::MemoryValue oldMasks{RegSz, {'o', 'l', 'd', 0}};
    const test::MemoryValue oldLimit{RegBinary, {0x01, 0, 0, 0}};
    const SettingsRecord saved = UserSettings;
    test::MemoryRegistry reference;
    SaveSettings(reference, saved);

    ForEveryCall<SaveRow>(
        rows,
        [&](test::MemoryRegistry& memory) {
            memory.SetValue(SettingsKey, "FileMasks", oldMasks.type, oldMasks.data);
            memory.SetValue(SettingsKey, "LimitLines", oldLimit.type, oldLimit.data);
        },
        [&](test::FaultyRegistry& api) { SaveSettings(api, saved); },
        [&](const SaveRow& row, test::MemoryRegistry& memory) {
            EXPECT_EQ(saved, UserSettings);
            EXPECT_EQ(memory.Value(SettingsKey, "FileMasks"),
                      row.fileMasks == Stored::Old ? oldMasks
                                                   : *reference.Value(SettingsKey, "FileMasks"));
            EXPECT_EQ(memory.Value(SettingsKey, "LimitLines"),
                      row.limitLines == Stored::Old ? oldLimit
                                                    : *reference.Value(SettingsKey, "LimitLines"));
        });
}

enum class Legacy {
    Kept,       // the legacy key with its values
    KeyGone,    // the legacy key deleted, part of the vendor tree left
    VendorGone, // "Marrowick" and everything below it deleted
};

struct TakeOverRow {
    const char* call;
    Then then;
    SettingsRecord loaded;
    bool settingsKeyWritten; // else there is no settings key
    Legacy legacy;
};

TEST(SettingsStoreFaults, TakeOverOfTheLegacyKey)
{
    const SettingsRecord start;
    const SettingsRecord masksOnly = Record({"My Notes.txt", "*.DIZ"}, true, 0);
    const SettingsRecord masksRejected = Record({"My Notes.txt", "*.DIZ"}, false, 0);
    const SettingsRecord& user = UserSettings;
    const std::string openSettings = std::string("OpenKey ") + SettingsKey;
    const std::string openLegacy = std::string("OpenKey ") + LegacyKey;
    const std::string createSettings = std::string("CreateKey ") + SettingsKey;
    using enum Then;
    using enum Legacy;
    // The vendor tree: Marrowick\Other and Marrowick\Quorbit\Plugins\ZandrelPlugin,
    // deleted depth first from the highest sub-key index down.
    const std::vector<TakeOverRow> rows = {
        {openSettings.c_str(), Continues, user, true, VendorGone}, // fails anyway: no such key
        {openLegacy.c_str(), Stops, test::DefaultRecord(), false, Kept},
        {"QueryValue FileMasks", Continues, Record({}, false, 20), false, Kept},
        {"QueryValue FileMasks", Stops, start, false, Kept},
        {"QueryValue LimitLines", Continues, masksOnly, false, Kept},
        {"QueryValue LimitLines", Stops, masksRejected, false, Kept},
        {createSettings.c_str(), Stops, user, false, Kept},
        {"CloseKey", Continues, user, true, VendorGone}, // the legacy key
        {"SetValue FileMasks", Undoes, user, false, Kept},
        {"SetValue LimitLines", Undoes, user, false, Kept},
        {"OpenKey Marrowick", Continues, user, true, Kept},
        {"QueryInfoKey", Continues, user, true, Kept},
        {"EnumKey 1", Continues, user, true, Kept},
        {"OpenKey Quorbit", Continues, user, true, Kept},
        {"QueryInfoKey", Continues, user, true, Kept},
        {"EnumKey 0", Continues, user, true, Kept},
        {"OpenKey Plugins", Continues, user, true, Kept},
        {"QueryInfoKey", Continues, user, true, Kept},
        {"EnumKey 0", Continues, user, true, Kept},
        {"OpenKey ZandrelPlugin", Continues, user, true, VendorGone}, // deleted unopened
        {"QueryInfoKey", Continues, user, true, VendorGone},
        {"CloseKey", Continues, user, true, VendorGone},
        {"DeleteKey ZandrelPlugin", Continues, user, true, Kept},
        {"CloseKey", Continues, user, true, VendorGone},
        {"DeleteKey Plugins", Continues, user, true, KeyGone},
        {"CloseKey", Continues, user, true, VendorGone},
        {"DeleteKey Quorbit", Continues, user, true, KeyGone},
        {"EnumKey 0", Continues, user, true, KeyGone},
        {"OpenKey Other", Continues, user, true, VendorGone},
        {"QueryInfoKey", Continues, user, true, VendorGone},
        {"CloseKey", Continues, user, true, VendorGone},
        {"DeleteKey Other", Continues, user, true, KeyGone},
        {"CloseKey", Continues, user, true, VendorGone}, // Marrowick
        {"DeleteKey Marrowick", Continues, user, true, KeyGone},
        {"CloseKey", Continues, user, true, VendorGone}, // the settings key
    };
    test::MemoryRegistry reference;
    SaveSettings(reference, user);
    test::MemoryRegistry original;
    PutUserSettings(original, LegacyKey);
    SettingsRecord record;

    ForEveryCall<TakeOverRow>(
        rows,
        [&](test::MemoryRegistry& memory) {
            PutUserSettings(memory, LegacyKey);
            memory.SetText("Marrowick\\Other", "V", "v");
        },
        [&](test::FaultyRegistry& api) {
            record = SettingsRecord();
            LoadSettings(api, record);
        },
        [&](const TakeOverRow& row, test::MemoryRegistry& memory) {
            EXPECT_EQ(record, row.loaded);
            if (row.settingsKeyWritten) {
                EXPECT_EQ(memory.Value(SettingsKey, "FileMasks"),
                          reference.Value(SettingsKey, "FileMasks"));
                EXPECT_EQ(memory.Value(SettingsKey, "LimitLines"),
                          reference.Value(SettingsKey, "LimitLines"));
            } else {
                EXPECT_FALSE(memory.HasKey(SettingsKey));
            }
            switch (row.legacy) {
            case Kept:
                EXPECT_EQ(memory.Value(LegacyKey, "FileMasks"),
                          original.Value(LegacyKey, "FileMasks"));
                EXPECT_EQ(memory.Value(LegacyKey, "LimitLines"),
                          original.Value(LegacyKey, "LimitLines"));
                if (!row.settingsKeyWritten) { // then not a single key of the tree goes
                    EXPECT_TRUE(memory.HasKey("Marrowick\\Other"));
                }
                break;
            case KeyGone:
                EXPECT_FALSE(memory.HasKey(LegacyKey));
                EXPECT_TRUE(memory.HasKey("Marrowick"));
                break;
            case VendorGone:
                EXPECT_FALSE(memory.HasKey("Marrowick"));
                break;
            }
            EXPECT_EQ(NextStartLoad(memory), user); // the settings are never lost
        });
}

} // namespace
} // namespace zandrel
