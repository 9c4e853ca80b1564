#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "settings/SettingsStore.h"
#include "support/FaultyRegistry.h"
#include "support/MemoryRegistry.h"
#include "support/SettingsExpectations.h"

namespace zandrel {
namespace {

using test::Record;
using Bytes = std::vector<std::uint8_t>;

using test::LegacyKey;
using test::SettingsKey;

struct StoredValue {
    std::uint32_t type;
    Bytes data;
};

class SettingsStoreTest : public ::testing::Test {
protected:
    test::MemoryRegistry memory;
    test::FaultyRegistry api{memory};

    // A library start: the record begins with its start values.
    SettingsRecord Load()
    {
        SettingsRecord record;
        LoadSettings(api, record);
        return record;
    }
    // The next library start, without injected failures.
    SettingsRecord NextStartLoad()
    {
        SettingsRecord record;
        LoadSettings(memory, record);
        return record;
    }
    void Put(const char* key, const char* name, const std::optional<StoredValue>& value)
    {
        memory.AddKey(key);
        if (value) {
            memory.SetValue(key, name, value->type, value->data);
        }
    }
    bool CalledAny(test::RegCall kind) const
    {
        for (const auto& call : api.Calls()) {
            if (call.kind == kind) {
                return true;
            }
        }
        return false;
    }

    void TearDown() override
    {
        EXPECT_EQ(api.KeysStillOpen(), 0u);
        EXPECT_EQ(memory.OpenHandleCount(), 0u);
        EXPECT_EQ(memory.RootCloseCount(), 0u);
    }
};

struct LimitLoadRow {
    const char* name;
    std::optional<StoredValue> limitLines;
    bool flag;
    std::int32_t limit;
};

void PrintTo(const LimitLoadRow& row, std::ostream* out)
{
    *out << row.name;
}

class LimitLinesLoadTable : public SettingsStoreTest,
                            public ::testing::WithParamInterface<LimitLoadRow> {};

TEST_P(LimitLinesLoadTable, TheSignCarriesTheFlag)
{
    const LimitLoadRow& row = GetParam();
    memory.SetText(SettingsKey, "FileMasks", "*.TXT");
    Put(SettingsKey, "LimitLines", row.limitLines);
    EXPECT_EQ(Load(), Record({"*.TXT"}, row.flag, row.limit));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LimitLinesLoadTable,
    ::testing::Values(
        LimitLoadRow{"b14_00_00_00", StoredValue{RegBinary, {0x14, 0, 0, 0}}, true, 20},
        LimitLoadRow{"bEC_FF_FF_FF", StoredValue{RegBinary, {0xEC, 0xFF, 0xFF, 0xFF}}, false, 20},
        LimitLoadRow{"b00_00_00_00", StoredValue{RegBinary, {0, 0, 0, 0}}, true, 0},
        LimitLoadRow{"b00_00_00_80", StoredValue{RegBinary, {0, 0, 0, 0x80}}, false, INT32_MIN},
        LimitLoadRow{"bFF_FF_FF_7F", StoredValue{RegBinary, {0xFF, 0xFF, 0xFF, 0x7F}}, true,
                     INT32_MAX},
        LimitLoadRow{"b01_00_00_80", StoredValue{RegBinary, {0x01, 0, 0, 0x80}}, false, INT32_MAX},
        LimitLoadRow{"bFF_FF", StoredValue{RegBinary, {0xFF, 0xFF}}, true, 65535},
        LimitLoadRow{"bFF_FF_FF", StoredValue{RegBinary, {0xFF, 0xFF, 0xFF}}, true, 16777215},
        LimitLoadRow{"b05", StoredValue{RegBinary, {0x05}}, true, 5},
        LimitLoadRow{"empty_binary", StoredValue{RegBinary, {}}, true, 0},
        LimitLoadRow{"none_type_accepted", StoredValue{RegNone, {0x14, 0, 0, 0}}, true, 20},
        LimitLoadRow{"missing", std::nullopt, true, 0}),
    [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

struct LimitSaveRow {
    const char* name;
    bool flag;
    std::int32_t limit;
    Bytes stored;
    bool flagAfterLoad; // a clear flag with limit 0 comes back set
};

void PrintTo(const LimitSaveRow& row, std::ostream* out)
{
    *out << row.name;
}

class LimitLinesSaveTable : public SettingsStoreTest,
                            public ::testing::WithParamInterface<LimitSaveRow> {};

TEST_P(LimitLinesSaveTable, WritesFourLittleEndianBytesAndLoadsBack)
{
    const LimitSaveRow& row = GetParam();
    SaveSettings(api, Record({"README.TXT", "My Notes.txt"}, row.flag, row.limit));
    EXPECT_EQ(memory.Value(SettingsKey, "LimitLines"), (test::MemoryValue{RegBinary, row.stored}));
    const std::string masks = "README.TXT,\"My Notes.txt\"";
    Bytes maskBytes(masks.begin(), masks.end());
    maskBytes.push_back(0);
    EXPECT_EQ(memory.Value(SettingsKey, "FileMasks"), (test::MemoryValue{RegSz, maskBytes}));
    EXPECT_EQ(NextStartLoad(),
              Record({"README.TXT", "My Notes.txt"}, row.flagAfterLoad, row.limit));
}

INSTANTIATE_TEST_SUITE_P(
    Rows, LimitLinesSaveTable,
    ::testing::Values(LimitSaveRow{"set_20", true, 20, {0x14, 0, 0, 0}, true},
                      LimitSaveRow{"clear_20", false, 20, {0xEC, 0xFF, 0xFF, 0xFF}, false},
                      LimitSaveRow{"clear_0_loads_set", false, 0, {0, 0, 0, 0}, true},
                      LimitSaveRow{"set_0", true, 0, {0, 0, 0, 0}, true},
                      LimitSaveRow{"clear_min", false, INT32_MIN, {0, 0, 0, 0x80}, false},
                      LimitSaveRow{"set_max", true, INT32_MAX, {0xFF, 0xFF, 0xFF, 0x7F}, true},
                      LimitSaveRow{"clear_max", false, INT32_MAX, {0x01, 0, 0, 0x80}, false}),
    [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

struct RejectionRow {
    const char* name;
    std::optional<StoredValue> fileMasks;
    std::optional<StoredValue> limitLines;
    SettingsRecord expected;
    bool rejected; // the load ended early: a legacy key is then not taken over
};

void PrintTo(const RejectionRow& row, std::ostream* out)
{
    *out << row.name;
}

const StoredValue Limit20{RegBinary, {0x14, 0, 0, 0}};
const StoredValue MasksTxt{RegSz, {'*', '.', 'T', 'X', 'T', 0}};

// Each row is tried in the settings key and, alone, in the legacy key.
class TypeRejectionTable : public SettingsStoreTest,
                           public ::testing::WithParamInterface<std::tuple<RejectionRow, bool>> {};

TEST_P(TypeRejectionTable, WrongTypesEndTheLoadWhereTheyAreMet)
{
    const auto& [row, inLegacy] = GetParam();
    const char* key = inLegacy ? LegacyKey : SettingsKey;
    Put(key, "FileMasks", row.fileMasks);
    Put(key, "LimitLines", row.limitLines);
    const std::string before = memory.Dump();

    EXPECT_EQ(Load(), row.expected);

    if (!inLegacy || row.rejected) {
        EXPECT_EQ(memory.Dump(), before); // nothing deleted, no settings key made
        EXPECT_EQ(NextStartLoad(), row.expected);
    } else {
        EXPECT_FALSE(memory.HasKey("Marrowick"));
        EXPECT_EQ(NextStartLoad(), row.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TypeRejectionTable,
    ::testing::Combine(
        ::testing::Values(
            RejectionRow{"masks_binary", StoredValue{RegBinary, {'a', 0}}, Limit20,
                         Record({}, false, 0), true},
            RejectionRow{"masks_dword", StoredValue{RegDword, {1, 0, 0, 0}}, Limit20,
                         Record({}, false, 0), true},
            RejectionRow{"masks_none", StoredValue{RegNone, {'a', 0}}, Limit20,
                         Record({}, false, 0), true},
            RejectionRow{"masks_expand_sz_unexpanded", StoredValue{RegExpandSz, {'%', 'X', '%', 0}},
                         Limit20, Record({"%X%"}, true, 20), false},
            RejectionRow{"masks_size_zero_any_type", StoredValue{RegDword, {}}, Limit20,
                         Record({}, true, 20), false},
            RejectionRow{"masks_missing", std::nullopt, Limit20, Record({}, true, 20), false},
            RejectionRow{"limit_missing", MasksTxt, std::nullopt, Record({"*.TXT"}, true, 0),
                         false},
            RejectionRow{"limit_sz", MasksTxt, StoredValue{RegSz, {'2', '0', 0}},
                         Record({"*.TXT"}, false, 0), true},
            RejectionRow{"limit_expand_sz", MasksTxt, StoredValue{RegExpandSz, {'2', 0}},
                         Record({"*.TXT"}, false, 0), true},
            RejectionRow{"limit_dword_even_20", MasksTxt, StoredValue{RegDword, {0x14, 0, 0, 0}},
                         Record({"*.TXT"}, false, 0), true},
            RejectionRow{"limit_five_bytes", MasksTxt, StoredValue{RegBinary, {0x14, 0, 0, 0, 0}},
                         Record({"*.TXT"}, false, 0), true}),
        ::testing::Bool()),
    [](const auto& rowInfo) {
        return std::string(std::get<0>(rowInfo.param).name) +
               (std::get<1>(rowInfo.param) ? "_legacy" : "_settings");
    });

TEST_F(SettingsStoreTest, NeitherKeyGivesTheDefaultsAndCreatesNothing)
{
    memory.AddKey("Software");
    const std::string before = memory.Dump();
    EXPECT_EQ(Load(), test::DefaultRecord());
    EXPECT_EQ(memory.Dump(), before);
    EXPECT_FALSE(CalledAny(test::RegCall::CreateKey));
}

TEST_F(SettingsStoreTest, ASettingsKeyWithoutValuesLoadsAsAnEmptyListFlagSetLimitZero)
{
    memory.AddKey(SettingsKey);
    EXPECT_EQ(Load(), Record({}, true, 0));
}

TEST_F(SettingsStoreTest, AnEmptyMaskListIsStoredAsOneZeroAndLoadsBackEmpty)
{
    SaveSettings(api, Record({}, true, 20));
    EXPECT_EQ(memory.Value(SettingsKey, "FileMasks"), (test::MemoryValue{RegSz, {0}}));
    EXPECT_EQ(NextStartLoad(), Record({}, true, 20));
}

TEST_F(SettingsStoreTest, AReadOnlySettingsKeyCountsAsMissingAndIsNotReplaced)
{
    memory.SetText(SettingsKey, "FileMasks", "mine.txt");
    memory.SetReadOnly(SettingsKey);
    memory.SetText(LegacyKey, "FileMasks", "*.DIZ");
    memory.SetValue(LegacyKey, "LimitLines", RegBinary, {0xEC, 0xFF, 0xFF, 0xFF});
    const std::string before = memory.Dump();
    EXPECT_EQ(Load(), Record({"*.DIZ"}, false, 20));
    EXPECT_EQ(memory.Dump(), before);
}

TEST_F(SettingsStoreTest, ALegacyTreeThatCannotBeDeletedWhollyIsLeftAsItIs)
{
    memory.SetText(LegacyKey, "FileMasks", "*.DIZ");
    memory.SetValue(LegacyKey, "LimitLines", RegBinary, {0x14, 0, 0, 0});
    memory.AddKey("Marrowick\\Locked");
    memory.SetReadOnly("Marrowick\\Locked");
    EXPECT_EQ(Load(), Record({"*.DIZ"}, true, 20));
    EXPECT_TRUE(memory.HasKey("Marrowick\\Locked"));
    EXPECT_FALSE(memory.HasKey(LegacyKey));
    EXPECT_EQ(NextStartLoad(), Record({"*.DIZ"}, true, 20)); // from the settings key
}

TEST_F(SettingsStoreTest, OnlyTheLegacyKeyIsTakenOverWrittenAsASaveWritesAndItsTreeDeleted)
{
    memory.SetValue(LegacyKey, "FileMasks", RegSz,
                    {'"', 'M', 'y', ' ', 'N', '"', ' ', ',', 'x', 0});
    memory.SetValue(LegacyKey, "LimitLines", RegBinary, {0xEC, 0xFF, 0xFF, 0xFF});
    memory.SetText("Marrowick\\Other\\Deep", "V", "v");
    memory.SetText("Marrowick\\Quorbit\\Other", "V", "v");
    const SettingsRecord legacy = Record({"My N", "x"}, false, 20);

    EXPECT_EQ(Load(), legacy);

    test::MemoryRegistry saved;
    SaveSettings(saved, legacy);
    EXPECT_EQ(memory.Value(SettingsKey, "FileMasks"), saved.Value(SettingsKey, "FileMasks"));
    EXPECT_EQ(memory.Value(SettingsKey, "LimitLines"), saved.Value(SettingsKey, "LimitLines"));
    EXPECT_FALSE(memory.HasKey("Marrowick"));
    EXPECT_EQ(NextStartLoad(), legacy);
}

TEST_F(SettingsStoreTest, WithBothKeysTheSettingsKeyWinsAndTheLegacyTreeStays)
{
    memory.SetText(SettingsKey, "FileMasks", "new.txt");
    memory.SetValue(SettingsKey, "LimitLines", RegBinary, {0x05, 0, 0, 0});
    memory.SetText(LegacyKey, "FileMasks", "old.txt");
    const std::string before = memory.Dump();
    EXPECT_EQ(Load(), Record({"new.txt"}, true, 5));
    EXPECT_EQ(memory.Dump(), before);
}

TEST_F(SettingsStoreTest, ASettingsKeyThatFailsToOpenOnceIsNotOverwrittenByTheLegacyKey)
{
    memory.SetText(SettingsKey, "FileMasks", "new.txt");
    memory.SetValue(SettingsKey, "LimitLines", RegBinary, {0x05, 0, 0, 0});
    memory.SetText(LegacyKey, "FileMasks", "old.txt");
    const std::string before = memory.Dump();
    api.FailKind(test::RegCall::OpenKey, 1);
    EXPECT_EQ(Load(), Record({"old.txt"}, true, 0)); // this start runs on what it could read
    EXPECT_EQ(memory.Dump(), before);
    EXPECT_EQ(NextStartLoad(), Record({"new.txt"}, true, 5));
}

TEST_F(SettingsStoreTest, SaveCreatesTheKeyOverwritesBothValuesAndLeavesTheLegacyKeyAlone)
{
    memory.SetText(LegacyKey, "FileMasks", "old.txt");
    memory.SetText(SettingsKey, "FileMasks", "before.txt");
    memory.SetValue(SettingsKey, "LimitLines", RegBinary, {1});
    SaveSettings(api, Record({"a b", "*.TXT"}, true, 7));
    EXPECT_EQ(memory.Value(SettingsKey, "LimitLines"),
              (test::MemoryValue{RegBinary, {7, 0, 0, 0}}));
    EXPECT_EQ(memory.Value(LegacyKey, "FileMasks"),
              (test::MemoryValue{RegSz, {'o', 'l', 'd', '.', 't', 'x', 't', 0}}));
    EXPECT_FALSE(CalledAny(test::RegCall::QueryValue));
    EXPECT_EQ(NextStartLoad(), Record({"a b", "*.TXT"}, true, 7));
}

TEST_F(SettingsStoreTest, ASaveWithNoKeyToWriteToWritesNothing)
{
    memory.SetReadOnly("Software\\Marrowick\\Quorbit\\Plugins");
    const std::string before = memory.Dump();
    SaveSettings(api, Record({"*.TXT"}, true, 20));
    EXPECT_EQ(memory.Dump(), before);
    EXPECT_FALSE(CalledAny(test::RegCall::SetValue));
}

} // namespace
} // namespace zandrel
