#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "settings/RegistryExceptions.h"
#include "settings/TRegistry.h"
#include "support/FaultyRegistry.h"
#include "support/MemoryRegistry.h"

namespace zandrel {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Paths = std::vector<std::string>;

// The message of the ERegistryException that operation raises.
template <typename Operation> std::string RaisedMessage(Operation operation)
{
    try {
        operation();
    } catch (const ERegistryException& e) {
        return e.what();
    }
    return "nothing raised";
}

// An in-memory registry, and the fault-injecting view of it that TRegistry
// uses. Whatever a test does, the root key is never closed, and no key is
// created or deleted by the empty name, which stands for the base key itself.
struct Scene {
    test::MemoryRegistry memory;
    test::FaultyRegistry api{memory};

    Scene() = default;
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;
    ~Scene()
    {
        EXPECT_EQ(memory.RootCloseCount(), 0u) << "the root key must never be closed";
        for (const test::RegCallRecord& call : api.Calls()) {
            const bool onBase = call.name.empty() && (call.kind == test::RegCall::CreateKey ||
                                                      call.kind == test::RegCall::DeleteKey);
            EXPECT_FALSE(onBase) << Describe(call);
        }
    }
};

// Tells which key is open by writing to it: at most one handle is open, and
// the value lands in the key at path ("" for the root; nullptr: no key open).
void ExpectOpenKey(Scene& scene, TRegistry& registry, const char* path)
{
    if (path == nullptr) {
        EXPECT_EQ(scene.memory.OpenHandleCount(), 0u);
        return;
    }
    EXPECT_EQ(scene.memory.OpenHandleCount(), 1u);
    EXPECT_NO_THROW(registry.WriteTextValue("Mark", "here"));
    EXPECT_TRUE(scene.memory.Value(path, "Mark").has_value()) << "expected open: " << path;
}

enum class Op { OpenExisting, OpenOrCreate };

struct Step {
    Op op;
    const char* path;
    bool succeeds;
    bool created = false; // OpenOrCreate's report
};

struct OpenRow {
    const char* name;
    std::vector<Step> steps;
    const char* openAfter;        // the path of the open key; nullptr: none
    const char* newKey = nullptr; // a key the steps may create
    bool newKeyExists = false;
};

// clang-format off
const OpenRow OpenRows[] = {
    {"nothing_open_relative_is_from_the_root", {{Op::OpenExisting, "B", true}}, "B"},
    {"relative_is_from_the_open_key",
     {{Op::OpenExisting, "\\A", true}, {Op::OpenExisting, "B", true}, {Op::OpenExisting, "C", true}}, "A\\B\\C"},
    {"backslash_is_from_the_root_with_a_key_open",
     {{Op::OpenExisting, "\\A\\B", true}, {Op::OpenExisting, "\\B", true}}, "B"},
    {"relative_missing_below_the_open_key", {{Op::OpenExisting, "\\A\\B", true}, {Op::OpenExisting, "A", false}}, "A\\B"},
    {"missing_keeps_the_open_key", {{Op::OpenExisting, "\\A", true}, {Op::OpenExisting, "\\Missing", false}}, "A"},
    {"missing_with_nothing_open", {{Op::OpenExisting, "\\Missing", false}}, nullptr},
    {"reopening_closes_the_previous_handle", {{Op::OpenExisting, "\\A", true}, {Op::OpenExisting, "\\A", true}}, "A"},
    // Full access even for reading: a key that refuses writing does not open.
    {"read_only_does_not_open", {{Op::OpenExisting, "\\R", false}}, nullptr},
    {"read_only_is_not_created_over", {{Op::OpenExisting, "\\A", true}, {Op::OpenOrCreate, "\\R", false}}, "A"},
    {"below_read_only_keeps_the_open_key",
     {{Op::OpenExisting, "\\A", true}, {Op::OpenOrCreate, "\\R\\New", false}}, "A", "R\\New", false},
    {"create_makes_every_missing_key", {{Op::OpenOrCreate, "\\X\\Y\\Z", true, true}}, "X\\Y\\Z", "X\\Y\\Z", true},
    {"create_of_an_existing_key_opens_it", {{Op::OpenOrCreate, "\\A\\B", true, false}}, "A\\B"},
    {"create_relative_to_the_open_key",
     {{Op::OpenExisting, "\\A", true}, {Op::OpenOrCreate, "N", true, true}}, "A\\N", "A\\N", true},
    {"create_closes_the_previous_handle",
     {{Op::OpenOrCreate, "\\A", true}, {Op::OpenOrCreate, "\\B", true}}, "B"},
    // The root itself through a handle of its own, which may be closed.
    {"create_of_the_root_opens_it", {{Op::OpenOrCreate, "\\", true, false}}, ""},
    {"open_of_the_root", {{Op::OpenExisting, "\\A", true}, {Op::OpenExisting, "\\", true}}, ""},
};
// clang-format on

TEST(TRegistry, OpensTheKeyThePathNamesAndKeepsTheOldOneOnFailure)
{
    for (const OpenRow& row : OpenRows) {
        SCOPED_TRACE(row.name);
        Scene scene;
        for (const char* key : {"A\\B\\C", "B"}) {
            scene.memory.AddKey(key);
        }
        scene.memory.SetReadOnly("R");
        {
            TRegistry registry(scene.api);
            for (const Step& step : row.steps) {
                SCOPED_TRACE(step.path);
                bool created = !step.created;
                EXPECT_EQ(step.op == Op::OpenExisting ? registry.OpenExisting(step.path)
                                                      : registry.OpenOrCreate(step.path, &created),
                          step.succeeds);
                if (step.op == Op::OpenOrCreate) {
                    EXPECT_EQ(created, step.created);
                }
            }
            ExpectOpenKey(scene, registry, row.openAfter);
        }
        EXPECT_EQ(scene.memory.OpenHandleCount(), 0u) << "destruction closes the open key";
        if (row.newKey != nullptr) {
            EXPECT_EQ(scene.memory.HasKey(row.newKey), row.newKeyExists);
        }
    }
}

// Reads from key K, which holds value V unless type is empty.
struct ReadRow {
    const char* name;
    std::optional<std::uint32_t> type;
    Bytes data;
    const char* raised; // the exception's message, or null
};

template <typename Read> void ReadFromK(const ReadRow& row, Read read)
{
    SCOPED_TRACE(row.name);
    Scene scene;
    scene.memory.AddKey("K");
    if (row.type) {
        scene.memory.SetValue("K", "V", *row.type, row.data);
    }
    TRegistry registry(scene.api);
    ASSERT_TRUE(registry.OpenExisting("\\K"));
    read(registry);
}

struct TextReadRow {
    ReadRow read;
    std::string expected; // the text, when nothing is raised
};

// clang-format off
const TextReadRow TextReadRows[] = {
    {{"missing", std::nullopt, {}, nullptr}, ""},
    {{"sz", RegSz, {'a', 'b', 'c', 0}, nullptr}, "abc"},
    {{"sz_single_zero", RegSz, {0}, nullptr}, ""},
    {{"sz_size_zero", RegSz, {}, nullptr}, ""},
    {{"binary_size_zero", RegBinary, {}, nullptr}, ""},
    {{"sz_inner_zero", RegSz, {'a', 'b', 0, 'c', 'd', 0}, nullptr}, "ab"},
    {{"sz_without_zero", RegSz, {'a', 'b', 'c'}, nullptr}, "abc"},
    {{"expand_sz_unexpanded", RegExpandSz, {'%', 'T', 'E', 'M', 'P', '%', 0}, nullptr}, "%TEMP%"},
    {{"binary", RegBinary, {'a', 0}, "Invalid data type for 'V'"}, ""},
    {{"dword", RegDword, {0x14, 0, 0, 0}, "Invalid data type for 'V'"}, ""},
    {{"none", RegNone, {'a'}, "Invalid data type for 'V'"}, ""},
};
// clang-format on

TEST(TRegistry, ReadTextValueGivesTheTextUpToItsFirstZeroOrRaises)
{
    for (const TextReadRow& row : TextReadRows) {
        ReadFromK(row.read, [&](TRegistry& registry) {
            if (row.read.raised == nullptr) {
                EXPECT_EQ(registry.ReadTextValue("V"), row.expected);
            } else {
                EXPECT_EQ(RaisedMessage([&] { (void)registry.ReadTextValue("V"); }),
                          row.read.raised);
            }
        });
    }
}

constexpr std::array<std::uint8_t, 4> Untouched{0xAA, 0xAA, 0xAA, 0xAA};

struct ByteReadRow {
    ReadRow read;
    std::size_t count;                 // bytes read, when nothing is raised
    std::array<std::uint8_t, 4> after; // the destination, which starts as AA AA AA AA
};

// clang-format off
const ByteReadRow ByteReadRows[] = {
    {{"missing", std::nullopt, {}, nullptr}, 0, Untouched},
    {{"binary_four", RegBinary, {0x14, 0, 0, 0}, nullptr}, 4, {0x14, 0, 0, 0}},
    {{"binary_two", RegBinary, {0xFF, 0xFF}, nullptr}, 2, {0xFF, 0xFF, 0xAA, 0xAA}},
    {{"binary_empty", RegBinary, {}, nullptr}, 0, Untouched},
    {{"none_one", RegNone, {0x05}, nullptr}, 1, {0x05, 0xAA, 0xAA, 0xAA}},
    {{"multi_sz_three", 7, {1, 2, 3}, nullptr}, 3, {1, 2, 3, 0xAA}},
    {{"binary_five", RegBinary, {1, 2, 3, 4, 5}, "Invalid data type for 'V'"}, 0, Untouched},
    {{"sz", RegSz, {'2', 0}, "Invalid data type for 'V'"}, 0, Untouched},
    {{"expand_sz", RegExpandSz, {'2', 0}, "Invalid data type for 'V'"}, 0, Untouched},
    {{"dword", RegDword, {0x14, 0, 0, 0}, "Invalid data type for 'V'"}, 0, Untouched},
};
// clang-format on

TEST(TRegistry, ReadByteValueFillsTheLeadingBytesOrRaises)
{
    for (const ByteReadRow& row : ByteReadRows) {
        ReadFromK(row.read, [&](TRegistry& registry) {
            std::array<std::uint8_t, 4> destination = Untouched;
            const auto read = [&] { return registry.ReadByteValue("V", destination.data(), 4); };
            if (row.read.raised == nullptr) {
                EXPECT_EQ(read(), row.count);
            } else {
                EXPECT_EQ(RaisedMessage(read), row.read.raised);
            }
            EXPECT_EQ(destination, row.after);
        });
    }
}

TEST(TRegistry, AReadThatFailsAfterTheSizeWasFoundRaises)
{
    Scene scene;
    scene.memory.SetText("K", "T", "text");
    scene.memory.SetValue("K", "B", RegBinary, {1, 2});
    TRegistry registry(scene.api);
    ASSERT_TRUE(registry.OpenExisting("\\K"));
    scene.api.FailKind(test::RegCall::QueryValue, 2);
    EXPECT_EQ(RaisedMessage([&] { (void)registry.ReadTextValue("T"); }),
              "Failed to get data for 'T'");
    scene.api.FailKind(test::RegCall::QueryValue, 2);
    std::array<std::uint8_t, 4> destination{};
    EXPECT_EQ(RaisedMessage([&] { (void)registry.ReadByteValue("B", destination.data(), 4); }),
              "Failed to get data for 'B'");
}

TEST(TRegistry, ASizeQueryThatFailsCountsAsMissingButIsNoted)
{
    Scene scene;
    scene.memory.SetText("K", "T", "text");
    TRegistry registry(scene.api);
    ASSERT_TRUE(registry.OpenExisting("\\K"));
    EXPECT_EQ(registry.ReadTextValue("Absent"), "");
    EXPECT_FALSE(registry.SkippedUnreadableValue()); // plainly missing
    scene.api.FailKind(test::RegCall::QueryValue, 1, RegAccessDenied);
    EXPECT_EQ(registry.ReadTextValue("T"), "");
    EXPECT_TRUE(registry.SkippedUnreadableValue());
}

TEST(TRegistry, WritesTextWithOneZeroAndBytesAsBinaryToTheOpenKey)
{
    Scene scene;
    TRegistry registry(scene.api);
    ASSERT_TRUE(registry.OpenOrCreate("\\K"));
    registry.WriteTextValue("T", "a b");
    registry.WriteTextValue("E", "");
    const std::uint8_t bytes[] = {0xEC, 0xFF, 0xFF, 0xFF};
    registry.WriteByteValue("B", bytes, sizeof bytes);
    EXPECT_EQ(scene.memory.Value("K", "T"), (test::MemoryValue{RegSz, {'a', ' ', 'b', 0}}));
    EXPECT_EQ(scene.memory.Value("K", "E"), (test::MemoryValue{RegSz, {0}}));
    EXPECT_EQ(scene.memory.Value("K", "B"),
              (test::MemoryValue{RegBinary, {0xEC, 0xFF, 0xFF, 0xFF}}));
}

TEST(TRegistry, AFailedWriteRaisesWithTheValueName)
{
    Scene scene;
    TRegistry registry(scene.api);
    ASSERT_TRUE(registry.OpenOrCreate("\\K"));
    scene.api.FailKind(test::RegCall::SetValue);
    EXPECT_EQ(RaisedMessage([&] { registry.WriteTextValue("FileMasks", "x"); }),
              "Failed to set data for 'FileMasks'");
    const std::uint8_t byte = 1;
    EXPECT_EQ(RaisedMessage([&] { registry.WriteByteValue("LimitLines", &byte, 1); }),
              "Failed to set data for 'LimitLines'");
}

TEST(RegistryExceptions, AbortCarriesAnEmptyMessage)
{
    EXPECT_STREQ(EAbort().what(), "");
}

// Under T: a\x, a\y\deep (with a value), b and c; T and Keep hold values too.
struct DeleteRow {
    const char* name;
    const char* openFirst;   // opened before the delete; nullptr: nothing
    const char* readOnly;    // a key that refuses deletion; nullptr: none
    bool failFirstNameFetch; // the first sub-key name fetched (the highest index) fails
    const char* path;
    bool deleted;
    Paths gone;
    Paths kept;
    bool registryUnchanged = false;
};

// clang-format off
const DeleteRow DeleteRows[] = {
    {"everything_below_and_the_open_key_stays_open", "\\Keep", nullptr, false, "\\T", true, {"T"}, {"Keep"}},
    {"relative_to_the_open_key", "\\T", nullptr, false, "a", true, {"T\\a"}, {"T\\b", "T\\c"}},
    {"missing_key", nullptr, nullptr, false, "\\Nowhere", false, {}, {}, true},
    {"never_the_root", nullptr, nullptr, false, "\\", false, {}, {}, true},
    {"never_the_open_key_through_an_empty_path", "\\T", nullptr, false, "", false, {}, {}, true},
    {"sub_key_whose_name_cannot_be_fetched_is_skipped", nullptr, nullptr, true, "\\T", false,
     {"T\\a", "T\\b"}, {"T\\c"}},
    {"read_only_sub_key_stays_with_the_keys_above_it", nullptr, "T\\a\\x", false, "\\T", false,
     {"T\\a\\y", "T\\b", "T\\c"}, {"T\\a\\x"}},
};
// clang-format on

TEST(TRegistry, DeleteTreeGoesDepthFirstThroughAHandleOfItsOwn)
{
    for (const DeleteRow& row : DeleteRows) {
        SCOPED_TRACE(row.name);
        Scene scene;
        for (const char* key : {"T\\a\\x", "T\\a\\y\\deep", "T\\b", "T\\c"}) {
            scene.memory.AddKey(key);
        }
        scene.memory.SetText("T\\a\\y\\deep", "V", "v");
        scene.memory.SetText("T", "V", "v");
        scene.memory.SetText("Keep", "V", "kept");
        if (row.readOnly != nullptr) {
            scene.memory.SetReadOnly(row.readOnly);
        }
        const std::string before = scene.memory.Dump();
        {
            TRegistry registry(scene.api);
            if (row.openFirst != nullptr) {
                ASSERT_TRUE(registry.OpenExisting(row.openFirst));
            }
            if (row.failFirstNameFetch) {
                scene.api.FailKind(test::RegCall::EnumKey, 1);
            }
            EXPECT_EQ(registry.DeleteTree(row.path), row.deleted);
            if (row.registryUnchanged) {
                EXPECT_EQ(scene.memory.Dump(), before);
            }
            ExpectOpenKey(scene, registry, row.openFirst != nullptr ? row.openFirst + 1 : nullptr);
        }
        EXPECT_EQ(scene.memory.OpenHandleCount(), 0u);
        for (const std::string& key : row.gone) {
            EXPECT_FALSE(scene.memory.HasKey(key)) << key;
        }
        for (const std::string& key : row.kept) {
            EXPECT_TRUE(scene.memory.HasKey(key)) << key;
        }
    }
}

} // namespace
} // namespace zandrel
