// The settings store's scenarios, run over the in-memory registry and, on
// Windows, over the real one (HKEY_CURRENT_USER of the tests' private Wine
// prefix, where a read-only key is one whose access list allows reading only).
// Each scenario puts keys and values in place, loads or saves once, and checks
// the record, what the registry holds afterwards and what the next library
// start loads.

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "settings/SettingsStore.h"
#include "support/FaultyRegistry.h"
#include "support/MemoryRegistry.h"
#include "support/RegistryKeys.h"
#include "support/SettingsExpectations.h"
#if defined(_WIN32)
#include "platform/AdvapiRegistry.h"
#include "support/SettingsRegistry.h"
#endif

namespace zandrel {
namespace {

using test::Bytes;
using test::LegacyKey;
using test::RawValue;
using test::Record;
using test::SettingsKey;

// A value to put in place or to find; a null name stands for the key alone.
struct Stored {
    const char* key;
    const char* name;
    std::uint32_t type;
    Bytes data;
};

Stored Text(const char* key, const char* name, const std::string& text)
{
    Bytes data(text.begin(), text.end());
    data.push_back(0);
    return {key, name, RegSz, data};
}

Stored Limit(const char* key, Bytes data, std::uint32_t type = RegBinary)
{
    return {key, "LimitLines", type, std::move(data)};
}

Stored Masks(const char* key, Bytes data, std::uint32_t type)
{
    return {key, "FileMasks", type, std::move(data)};
}

Stored Key(const char* key)
{
    return {key, nullptr, RegNone, {}};
}

enum class Outcome {
    Unchanged, // every key and value as before; no settings key unless there was one
    Written,   // the settings key holds what a save of the record writes
};

struct StoreRow {
    const char* name;
    std::vector<Stored> stored;
    std::optional<SettingsRecord> save; // a save of this record; otherwise a load
    SettingsRecord record;              // what the load gives, or what is saved
    Outcome outcome;
    std::vector<const char*> gone;             // keys deleted, with all below them
    std::vector<Stored> written{};             // values spelled out afterwards
    const char* readOnly = nullptr;            // a key the user may read but not change
    std::optional<SettingsRecord> nextStart{}; // when it differs from the record
    test::RegCall failKind = test::RegCall::OpenKey;
    std::size_t failNth = 0; // that call's nth occurrence fails; 0: none
};

const SettingsRecord Legacy = Record({"My N", "x"}, false, 20);
const Stored LegacyMasks =
    Masks(LegacyKey, {'"', 'M', 'y', ' ', 'N', '"', ' ', ',', 'x', 0}, RegSz);
const Stored LegacyLimit = Limit(LegacyKey, {0xEC, 0xFF, 0xFF, 0xFF});
const Stored TxtMasks = Text(SettingsKey, "FileMasks", "*.TXT");
const Stored LegacyTxtMasks = Text(LegacyKey, "FileMasks", "*.TXT");
const Stored Limit20 = Limit(LegacyKey, {0x14, 0, 0, 0});
const Stored OldSettingsMasks = Text(SettingsKey, "FileMasks", "before.txt");
const Stored OldSettingsLimit = Limit(SettingsKey, {0x01});
const Stored OldLegacy = Text(LegacyKey, "FileMasks", "old.txt");
const SettingsRecord Saved = Record({"README.TXT", "My Notes.txt"}, true, 20);
const Stored SavedMasks = Text(SettingsKey, "FileMasks", "README.TXT,\"My Notes.txt\"");

// The same list, whatever the registry behind it.
const std::vector<StoreRow>& StoreRows()
{
    using enum Outcome;
    using test::RegCall;
    const SettingsRecord txtClear0 = Record({"*.TXT"}, false, 0);
    // clang-format off
    static const std::vector<StoreRow> rows = {
        // LimitLines in the settings key: its sign carries the flag; 0 is off.
        {"limit_14_00_00_00", {TxtMasks, Limit(SettingsKey, {0x14, 0, 0, 0})}, {}, Record({"*.TXT"}, true, 20), Unchanged, {}},
        {"limit_EC_FF_FF_FF", {TxtMasks, Limit(SettingsKey, {0xEC, 0xFF, 0xFF, 0xFF})}, {}, Record({"*.TXT"}, false, 20), Unchanged, {}},
        {"limit_00_00_00_00_is_off", {TxtMasks, Limit(SettingsKey, {0, 0, 0, 0})}, {}, txtClear0, Unchanged, {}},
        {"limit_00_00_00_80", {TxtMasks, Limit(SettingsKey, {0, 0, 0, 0x80})}, {}, Record({"*.TXT"}, false, INT32_MIN), Unchanged, {}},
        {"limit_FF_FF_FF_7F", {TxtMasks, Limit(SettingsKey, {0xFF, 0xFF, 0xFF, 0x7F})}, {}, Record({"*.TXT"}, true, INT32_MAX), Unchanged, {}},
        {"limit_01_00_00_80", {TxtMasks, Limit(SettingsKey, {0x01, 0, 0, 0x80})}, {}, Record({"*.TXT"}, false, INT32_MAX), Unchanged, {}},
        {"limit_FF_FF_fills_the_low_bytes", {TxtMasks, Limit(SettingsKey, {0xFF, 0xFF})}, {}, Record({"*.TXT"}, true, 65535), Unchanged, {}},
        {"limit_without_bytes_is_the_default", {TxtMasks, Limit(SettingsKey, {})}, {}, Record({"*.TXT"}, true, 20), Unchanged, {}},
        {"limit_none_type_accepted", {TxtMasks, Limit(SettingsKey, {0x05, 0, 0, 0}, RegNone)}, {}, Record({"*.TXT"}, true, 5), Unchanged, {}},
        {"key_without_values_empty_list_default_limit", {Key(SettingsKey)}, {}, Record({}, true, 20), Unchanged, {}},

        // Types in the legacy key: a rejected one ends the load, which then
        // leaves the legacy key to be read again; an accepted one is taken over.
        {"masks_binary_rejected", {Masks(LegacyKey, {'a', 0}, RegBinary), Limit20}, {}, Record({}, false, 0), Unchanged, {}},
        {"masks_none_rejected", {Masks(LegacyKey, {'a', 0}, RegNone), Limit20}, {}, Record({}, false, 0), Unchanged, {}},
        {"masks_expand_sz_unexpanded", {Masks(LegacyKey, {'%', 'X', '%', 0}, RegExpandSz), Limit20}, {}, Record({"%X%"}, true, 20), Written, {"Marrowick"}},
        {"masks_size_zero_any_type", {Masks(LegacyKey, {}, RegDword), Limit20}, {}, Record({}, true, 20), Written, {"Marrowick"}},
        {"limit_sz_rejected", {LegacyTxtMasks, Limit(LegacyKey, {'2', '0', 0}, RegSz)}, {}, txtClear0, Unchanged, {}},
        {"limit_expand_sz_rejected", {LegacyTxtMasks, Limit(LegacyKey, {'2', 0}, RegExpandSz)}, {}, txtClear0, Unchanged, {}},
        {"limit_dword_rejected_even_20", {LegacyTxtMasks, Limit(LegacyKey, {0x14, 0, 0, 0}, RegDword)}, {}, txtClear0, Unchanged, {}},
        {"limit_five_bytes_rejected", {LegacyTxtMasks, Limit(LegacyKey, {0x14, 0, 0, 0, 0})}, {}, txtClear0, Unchanged, {}},
        {"legacy_limit_missing_is_the_default", {LegacyTxtMasks}, {}, Record({"*.TXT"}, true, 20), Written, {"Marrowick"},
         {Limit(SettingsKey, {0x14, 0, 0, 0})}},

        // Which key is read, and what the take-over deletes: the plug-in's own
        // legacy key, and above it only keys left with no sub-key and no value.
        {"neither_key_gives_the_defaults", {Key("Software")}, {}, test::DefaultRecord(), Unchanged, {}},
        {"both_keys_the_settings_key_wins", {TxtMasks, LegacyMasks, LegacyLimit}, {}, Record({"*.TXT"}, true, 20), Unchanged, {}},
        {"legacy_siblings_stay", {LegacyMasks, LegacyLimit, Text("Marrowick\\Quorbit\\Plugins\\Other", "V", "v"),
                                  Text("Marrowick\\Other\\Deep", "V", "v")}, {}, Legacy, Written, {LegacyKey}},
        {"legacy_parent_with_a_value_stays", {LegacyMasks, LegacyLimit, Text("Marrowick\\Quorbit", "", "default value")}, {},
         Legacy, Written, {"Marrowick\\Quorbit\\Plugins"}},
        // Its sub-key's delete fails (not a read-only key: Wine deletes a key
        // whatever its access list says).
        {"legacy_key_not_deleted_whole", {LegacyMasks, LegacyLimit, Key("Marrowick\\Quorbit\\Plugins\\ZandrelPlugin\\Locked")}, {},
         Legacy, Written, {}, {}, nullptr, {}, RegCall::DeleteKey, 1},
        {"failed_take_over_is_undone", {LegacyMasks, LegacyLimit}, {}, Legacy, Unchanged, {}, {}, nullptr, {}, RegCall::SetValue, 2},
        {"read_only_settings_key_is_read", {TxtMasks, Limit(SettingsKey, {0xEC, 0xFF, 0xFF, 0xFF}), OldLegacy}, {},
         Record({"*.TXT"}, false, 20), Unchanged, {}, {}, SettingsKey},

        // Saves: four little-endian bytes whose sign carries the flag.
        {"save_set_20", {OldSettingsMasks, OldSettingsLimit, OldLegacy}, Saved, Saved, Written, {},
         {SavedMasks, Limit(SettingsKey, {0x14, 0, 0, 0})}},
        {"save_clear_20", {}, Record({"*.TXT"}, false, 20), Record({"*.TXT"}, false, 20), Written, {},
         {Limit(SettingsKey, {0xEC, 0xFF, 0xFF, 0xFF})}},
        {"save_clear_0", {}, txtClear0, txtClear0, Written, {}, {Limit(SettingsKey, {0, 0, 0, 0})}},
        {"save_set_0_loads_off", {}, Record({"*.TXT"}, true, 0), Record({"*.TXT"}, true, 0), Written, {},
         {Limit(SettingsKey, {0, 0, 0, 0})}, nullptr, txtClear0},
        {"save_clear_min", {}, Record({"*.TXT"}, false, INT32_MIN), Record({"*.TXT"}, false, INT32_MIN), Written, {},
         {Limit(SettingsKey, {0, 0, 0, 0x80})}},
        {"save_clear_max", {}, Record({"*.TXT"}, false, INT32_MAX), Record({"*.TXT"}, false, INT32_MAX), Written, {},
         {Limit(SettingsKey, {0x01, 0, 0, 0x80})}},
        {"save_empty_list_as_one_zero", {}, Record({}, true, 20), Record({}, true, 20), Written, {},
         {Masks(SettingsKey, {0}, RegSz)}},
        {"save_into_a_read_only_key_fails", {OldSettingsMasks, OldSettingsLimit}, Saved, Saved, Unchanged, {}, {}, SettingsKey,
         Record({"before.txt"}, true, 1)},
    };
    // clang-format on
    return rows;
}

// Where the scenarios run.
class Backend {
public:
    virtual ~Backend() = default;
    virtual RegistryApi& Api() = 0;
    virtual void MakeReadOnly(const char* path) = 0;
};

class MemoryBackend final : public Backend {
public:
    RegistryApi& Api() override { return memory_; }
    void MakeReadOnly(const char* path) override { memory_.SetReadOnly(path); }

private:
    test::MemoryRegistry memory_;
};

bool Put(RegistryApi& api, const Stored& value)
{
    if (value.name != nullptr) {
        return test::PutValue(api, value.key, value.name, value.type, value.data);
    }
    RegKey key = RegKey::None;
    if (api.CreateKeyEx(RegKey::CurrentUser, value.key, RegOptionNonVolatile, RegKeyAllAccess, &key,
                        nullptr) != RegSuccess) {
        return false;
    }
    return api.CloseKey(key) == RegSuccess;
}

bool Below(const char* key, const std::string& top)
{
    const std::string path = key;
    return path == top || path.starts_with(top + "\\");
}

SettingsRecord NextStart(RegistryApi& api)
{
    SettingsRecord record;
    LoadSettings(api, record);
    return record;
}

void Run(const StoreRow& row, Backend& backend)
{
    RegistryApi& api = backend.Api();
    for (const Stored& value : row.stored) {
        ASSERT_TRUE(Put(api, value)) << value.key;
    }
    if (row.readOnly != nullptr) {
        backend.MakeReadOnly(row.readOnly);
    }

    test::FaultyRegistry logged(api);
    if (row.failNth != 0) {
        logged.FailKind(row.failKind, row.failNth);
    }
    if (row.save) {
        EXPECT_EQ(SaveSettings(logged, *row.save), row.outcome == Outcome::Written);
    } else {
        SettingsRecord record;
        LoadSettings(logged, record);
        EXPECT_EQ(record, row.record);
    }
    EXPECT_EQ(logged.KeysStillOpen(), 0u);

    for (const char* key : row.gone) {
        EXPECT_FALSE(test::KeyExists(api, key)) << key << " is left";
    }
    bool settingsKeyStored = false;
    for (const Stored& value : row.stored) {
        settingsKeyStored = settingsKeyStored || Below(value.key, SettingsKey);
    }
    if (row.outcome == Outcome::Unchanged) {
        EXPECT_EQ(test::KeyExists(api, SettingsKey), settingsKeyStored);
    } else {
        test::MemoryRegistry reference;
        SaveSettings(reference, row.record);
        for (const char* name : {"FileMasks", "LimitLines"}) {
            EXPECT_EQ(test::GetValue(api, SettingsKey, name),
                      test::GetValue(reference, SettingsKey, name))
                << name;
        }
    }
    // Everything else stays as it was put.
    for (const Stored& value : row.stored) {
        bool deleted = false;
        for (const char* key : row.gone) {
            deleted = deleted || Below(value.key, key);
        }
        if (deleted || (row.outcome == Outcome::Written && Below(value.key, SettingsKey))) {
            continue;
        }
        if (value.name == nullptr) {
            EXPECT_TRUE(test::KeyExists(api, value.key)) << value.key;
        } else {
            EXPECT_EQ(test::GetValue(api, value.key, value.name),
                      (RawValue{value.type, value.data}))
                << value.key << " " << value.name;
        }
    }
    for (const Stored& value : row.written) {
        EXPECT_EQ(test::GetValue(api, value.key, value.name), (RawValue{value.type, value.data}))
            << value.key << " " << value.name;
    }
    EXPECT_EQ(NextStart(api), row.nextStart.value_or(row.record));
}

template <typename BackendType> void RunAll()
{
    for (const StoreRow& row : StoreRows()) {
        SCOPED_TRACE(row.name);
        BackendType backend;
        Run(row, backend);
    }
}

TEST(SettingsStoreScenarios, OverTheInMemoryRegistry)
{
    RunAll<MemoryBackend>();
}

#if defined(_WIN32)
class RealBackend final : public Backend {
public:
    RealBackend() { test::SettingsRegistry::DeleteAll(); }
    RealBackend(const RealBackend&) = delete;
    RealBackend& operator=(const RealBackend&) = delete;
    ~RealBackend() override { test::SettingsRegistry::DeleteAll(); }

    RegistryApi& Api() override { return AdvapiRegistry(); }
    void MakeReadOnly(const char* path) override
    {
        ASSERT_TRUE(test::SettingsRegistry::MakeReadOnly(path)) << path;
        // The access list holds: asking for more than reading is refused.
        EXPECT_FALSE(test::OpenKey(Api(), path, RegKeyAllAccess)) << path;
    }
};

TEST(SettingsStoreScenarios, OverTheRealRegistry)
{
    RunAll<RealBackend>();
}

TEST(SettingsStoreScenarios, TheRootHandleIsHkeyCurrentUser)
{
    EXPECT_EQ(reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(RegKey::CurrentUser)),
              HKEY_CURRENT_USER);
}
#endif

} // namespace
} // namespace zandrel
