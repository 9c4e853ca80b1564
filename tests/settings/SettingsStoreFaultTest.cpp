// Every registry call that a load, a save and a legacy take-over make, failed
// one at a time: call N fails for N = 1, 2, ... until a run makes fewer than N
// calls. After every run the invariants must hold: no key is left open (but
// the one whose close failed), the root key is never closed, nothing outside
// the plug-in's keys and the legacy key's emptied parents changes, and the next
// library start finds the user's settings. Rows are given only where the outcome differs from the
// usual one, named by the failed call and its occurrence.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "settings/SettingsStore.h"
#include "support/FaultyRegistry.h"
#include "support/MemoryRegistry.h"
#include "support/SettingsExpectations.h"

namespace zandrel {
namespace {

using test::LegacyKey;
using test::Record;
using test::SettingsKey;
constexpr RegStatus Injected = 1009; // ERROR_BADDB: a status no call returns here by itself

const SettingsRecord UserSettings = Record({"My Notes.txt", "*.DIZ"}, false, 20);
// LimitLines read as missing: the default limit.
const SettingsRecord MasksOnly = Record({"My Notes.txt", "*.DIZ"}, true, 20);
const SettingsRecord MasksRejected = Record({"My Notes.txt", "*.DIZ"}, false, 0);

// Beside the legacy key under the vendor's key: it keeps that key in place.
constexpr const char* VendorSibling = "Marrowick\\Other";

// A failed call and how often a call of that description came before it, 1 first.
using FailedCall = std::pair<std::string, int>;

void PutUserSettings(test::MemoryRegistry& memory, const char* key)
{
    memory.SetText(key, "FileMasks", "\"My Notes.txt\",*.DIZ");
    memory.SetValue(key, "LimitLines", RegBinary, {0xEC, 0xFF, 0xFF, 0xFF});
}

// A key beside the plug-in's that no operation may touch.
void PutNeighbour(test::MemoryRegistry& memory)
{
    memory.SetText("Software\\Neighbour", "V", "v");
}

SettingsRecord NextStartLoad(test::MemoryRegistry& memory)
{
    SettingsRecord record;
    LoadSettings(memory, record);
    return record;
}

// Runs the operation with call 1, 2, ... failed until a run makes fewer calls
// than the number failed (that run failed nothing), checks the invariants and
// hands each run to check. Returns the number of calls of the run without failure.
template <typename SetUp, typename Operation, typename Check>
std::size_t FailEachCallInTurn(SetUp setUp, Operation operation, Check check)
{
    for (std::size_t number = 1;; ++number) {
        test::MemoryRegistry memory;
        setUp(memory);
        test::FaultyRegistry api(memory);
        api.FailCall(number, Injected);
        operation(api); // noexcept: an escaping exception would end the process

        const auto& calls = api.Calls();
        if (calls.size() < number) {
            SCOPED_TRACE("no call failed");
            EXPECT_EQ(api.KeysStillOpen(), 0u);
            check(FailedCall{}, memory);
            return calls.size();
        }
        const std::string failed = test::Describe(calls[number - 1]);
        int occurrence = 0;
        for (std::size_t i = 0; i < number; ++i) {
            occurrence += test::Describe(calls[i]) == failed ? 1 : 0;
        }
        SCOPED_TRACE("call " + std::to_string(number) + " fails: " + failed + " #" +
                     std::to_string(occurrence));
        EXPECT_EQ(calls[number - 1].status, Injected);
        const std::size_t leftOpen = calls[number - 1].kind == test::RegCall::CloseKey ? 1 : 0;
        EXPECT_EQ(api.KeysStillOpen(), leftOpen);
        EXPECT_EQ(memory.OpenHandleCount(), leftOpen);
        EXPECT_EQ(memory.RootCloseCount(), 0u);
        EXPECT_EQ(memory.Value("Software\\Neighbour", "V"), (test::MemoryValue{RegSz, {'v', 0}}));
        check(FailedCall{failed, occurrence}, memory);
    }
}

template <typename Outcome>
Outcome OutcomeOf(const std::map<FailedCall, Outcome>& rows, const FailedCall& failed,
                  const Outcome& usual)
{
    const auto row = rows.find(failed);
    return row == rows.end() ? usual : row->second;
}

TEST(SettingsStoreFaults, LoadFromTheSettingsKey)
{
    // The first query of a value asks its size: a failure there reads it as
    // missing and goes on; the second reads the data: a failure ends the load.
    const std::map<FailedCall, SettingsRecord> loaded = {
        // The legacy key is read, but the settings key that exists stays in force.
        {{std::string("OpenKey ") + SettingsKey, 1}, Record({"old.txt"}, true, 20)},
        {{"QueryValue FileMasks", 1}, Record({}, false, 20)},
        {{"QueryValue FileMasks", 2}, Record({}, false, 0)},
        {{"QueryValue LimitLines", 1}, MasksOnly},
        {{"QueryValue LimitLines", 2}, MasksRejected},
    };
    std::string before;
    SettingsRecord record;
    FailEachCallInTurn(
        [&](test::MemoryRegistry& memory) {
            PutNeighbour(memory);
            PutUserSettings(memory, SettingsKey);
            memory.SetText(LegacyKey, "FileMasks", "old.txt");
            before = memory.Dump();
        },
        [&](test::FaultyRegistry& api) {
            record = SettingsRecord();
            LoadSettings(api, record);
        },
        [&](const FailedCall& failed, test::MemoryRegistry& memory) {
            EXPECT_EQ(record, OutcomeOf(loaded, failed, UserSettings));
            EXPECT_EQ(memory.Dump(), before); // a load from the settings key writes nothing
            EXPECT_EQ(NextStartLoad(memory), UserSettings);
        });
}

TEST(SettingsStoreFaults, SaveOverEarlierSettings)
{
    enum class Stored { Old, New };
    using Values = std::pair<Stored, Stored>; // FileMasks, LimitLines
    const std::map<FailedCall, Values> stored = {
        {{std::string("CreateKey ") + SettingsKey, 1}, {Stored::Old, Stored::Old}},
        {{"SetValue FileMasks", 1}, {Stored::Old, Stored::Old}},
        {{"SetValue LimitLines", 1}, {Stored::New, Stored::Old}},
    };
    const test::MemoryValue oldMasks{RegSz, {'o', 'l', 'd', 0}};
    const test::MemoryValue oldLimit{RegBinary, {0x01, 0, 0, 0}};
    test::MemoryRegistry reference;
    SaveSettings(reference, UserSettings);

    FailEachCallInTurn(
        [&](test::MemoryRegistry& memory) {
            PutNeighbour(memory);
            memory.SetValue(SettingsKey, "FileMasks", oldMasks.type, oldMasks.data);
            memory.SetValue(SettingsKey, "LimitLines", oldLimit.type, oldLimit.data);
        },
        [&](test::FaultyRegistry& api) { SaveSettings(api, UserSettings); },
        [&](const FailedCall& failed, test::MemoryRegistry& memory) {
            const Values values = OutcomeOf(stored, failed, Values{Stored::New, Stored::New});
            EXPECT_EQ(memory.Value(SettingsKey, "FileMasks"),
                      values.first == Stored::Old ? oldMasks
                                                  : *reference.Value(SettingsKey, "FileMasks"));
            EXPECT_EQ(memory.Value(SettingsKey, "LimitLines"),
                      values.second == Stored::Old ? oldLimit
                                                   : *reference.Value(SettingsKey, "LimitLines"));
        });
}

TEST(SettingsStoreFaults, TakeOverOfTheLegacyKey)
{
    // What the load returns where it differs from the user's settings; the
    // registry's state is judged by the invariants alone.
    const std::map<FailedCall, SettingsRecord> loaded = {
        {{std::string("OpenKey ") + LegacyKey, 1}, test::DefaultRecord()},
        {{"QueryValue FileMasks", 1}, Record({}, false, 20)},
        {{"QueryValue FileMasks", 2}, SettingsRecord()},
        {{"QueryValue LimitLines", 1}, MasksOnly},
        {{"QueryValue LimitLines", 2}, MasksRejected},
    };
    test::MemoryRegistry reference;
    SaveSettings(reference, UserSettings);
    test::MemoryRegistry original;
    PutUserSettings(original, LegacyKey);
    SettingsRecord record;

    const std::size_t calls = FailEachCallInTurn(
        [&](test::MemoryRegistry& memory) {
            PutNeighbour(memory);
            PutUserSettings(memory, LegacyKey);
            memory.SetText(VendorSibling, "V", "v");
        },
        [&](test::FaultyRegistry& api) {
            record = SettingsRecord();
            LoadSettings(api, record);
        },
        [&](const FailedCall& failed, test::MemoryRegistry& memory) {
            EXPECT_EQ(record, OutcomeOf(loaded, failed, UserSettings));
            // The settings key is whole or absent: never half-written.
            const bool written = memory.HasKey(SettingsKey);
            if (written) {
                EXPECT_EQ(memory.Value(SettingsKey, "FileMasks"),
                          reference.Value(SettingsKey, "FileMasks"));
                EXPECT_EQ(memory.Value(SettingsKey, "LimitLines"),
                          reference.Value(SettingsKey, "LimitLines"));
            }
            // The vendor's other keys are never touched.
            EXPECT_EQ(memory.Value(VendorSibling, "V"), (test::MemoryValue{RegSz, {'v', 0}}));
            // The legacy key is whole or gone, and stays whole until the
            // settings key has been written; a parent goes only after it.
            if (memory.HasKey(LegacyKey)) {
                EXPECT_EQ(memory.Value(LegacyKey, "FileMasks"),
                          original.Value(LegacyKey, "FileMasks"));
                EXPECT_EQ(memory.Value(LegacyKey, "LimitLines"),
                          original.Value(LegacyKey, "LimitLines"));
            }
            if (!written) {
                EXPECT_TRUE(memory.HasKey(LegacyKey));
            }
            if (!memory.HasKey("Marrowick\\Quorbit\\Plugins")) {
                EXPECT_FALSE(memory.HasKey(LegacyKey));
            }
            if (failed.first.empty()) { // without a failure the emptied parents go too
                EXPECT_TRUE(written);
                EXPECT_FALSE(memory.HasKey("Marrowick\\Quorbit"));
            }
            EXPECT_EQ(NextStartLoad(memory), UserSettings); // the settings are never lost
        });
    // The walk itself may change; that every step of it was failed once may not.
    EXPECT_GT(calls, 20u);
}

} // namespace
} // namespace zandrel
