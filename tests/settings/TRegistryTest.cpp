#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "settings/RegistryExceptions.h"
#include "settings/TRegistry.h"
#include "support/FaultyRegistry.h"
#include "support/MemoryRegistry.h"

namespace zandrel {
namespace {

using Bytes = std::vector<std::uint8_t>;

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

class TRegistryTest : public ::testing::Test {
protected:
    test::MemoryRegistry memory;
    test::FaultyRegistry api{memory};

    // Opens key K, which holds value V unless type is empty.
    void OpenValue(TRegistry& registry, std::optional<std::uint32_t> type, const Bytes& data)
    {
        memory.AddKey("K");
        if (type) {
            memory.SetValue("K", "V", *type, data);
        }
        ASSERT_TRUE(registry.OpenExisting("\\K"));
    }

    void TearDown() override
    {
        EXPECT_EQ(memory.RootCloseCount(), 0u) << "the root key must never be closed";
    }
};

TEST_F(TRegistryTest, LeadingBackslashStartsAtTheRootOtherPathsAtTheOpenKey)
{
    memory.AddKey("A\\B\\C");
    memory.SetText("A\\B\\C", "V", "deep");
    TRegistry registry(api);
    EXPECT_FALSE(registry.OpenExisting("B")); // nothing open: from the root, which has no B
    ASSERT_TRUE(registry.OpenExisting("\\A"));
    ASSERT_TRUE(registry.OpenExisting("B"));
    ASSERT_TRUE(registry.OpenExisting("C"));
    EXPECT_EQ(registry.ReadTextValue("V"), "deep");
    ASSERT_TRUE(registry.OpenExisting("\\A\\B"));
    // The platform never sees the leading backslash.
    EXPECT_EQ(api.CallNames(),
              (std::vector<std::string>{"OpenKey B", "OpenKey A", "OpenKey B", "CloseKey",
                                        "OpenKey C", "CloseKey", "QueryValue V", "QueryValue V",
                                        "OpenKey A\\B", "CloseKey"}));
}

TEST_F(TRegistryTest, OpensWithFullAccessSoAReadOnlyKeyDoesNotOpen)
{
    memory.AddKey("R");
    memory.SetReadOnly("R");
    memory.AddKey("W");
    TRegistry registry(api);
    EXPECT_FALSE(registry.OpenExisting("\\R"));
    EXPECT_FALSE(registry.OpenOrCreate("\\R"));
    EXPECT_TRUE(registry.OpenExisting("\\W"));
    EXPECT_TRUE(registry.OpenOrCreate("\\W"));
    for (const auto& call : api.Calls()) {
        if (call.kind == test::RegCall::OpenKey || call.kind == test::RegCall::CreateKey) {
            EXPECT_EQ(call.access, RegKeyAllAccess) << Describe(call);
        }
    }
}

TEST_F(TRegistryTest, FailedOpenKeepsTheOpenKey)
{
    memory.SetText("A", "V", "kept");
    memory.SetReadOnly("R");
    TRegistry registry(api);
    ASSERT_TRUE(registry.OpenExisting("\\A"));
    EXPECT_FALSE(registry.OpenExisting("\\Missing"));
    EXPECT_FALSE(registry.OpenOrCreate("\\R\\New"));
    EXPECT_EQ(registry.ReadTextValue("V"), "kept");
    EXPECT_EQ(api.KeysStillOpen(), 1u);
    EXPECT_EQ(api.KeysClosed(), 0u);
}

TEST_F(TRegistryTest, OpenOrCreateMakesEveryMissingKeyAndTellsWhetherItCreated)
{
    memory.AddKey("X");
    {
        TRegistry registry(api);
        bool created = false;
        ASSERT_TRUE(registry.OpenOrCreate("\\X\\Y\\Z", &created));
        EXPECT_TRUE(created);
        registry.WriteTextValue("V", "v");
        ASSERT_TRUE(registry.OpenOrCreate("\\X\\Y\\Z", &created));
        EXPECT_FALSE(created);
    }
    EXPECT_TRUE(memory.Value("X\\Y\\Z", "V").has_value());
    EXPECT_EQ(api.KeysOpened(), 2u);
    EXPECT_EQ(api.KeysClosed(), 2u); // the first by the second open, the second at destruction
}

TEST_F(TRegistryTest, OpenOrCreateOfTheRootItselfOpensANewHandle)
{
    {
        TRegistry registry(api);
        ASSERT_TRUE(registry.OpenOrCreate("\\"));
    }
    ASSERT_EQ(api.Calls().size(), 2u);
    EXPECT_EQ(api.Calls()[0].kind, test::RegCall::OpenKey);
    EXPECT_EQ(api.Calls()[0].name, "");
    EXPECT_EQ(api.KeysStillOpen(), 0u);
}

TEST_F(TRegistryTest, DestructionClosesTheOpenKeyOnly)
{
    memory.AddKey("A");
    {
        TRegistry registry(api);
        EXPECT_FALSE(registry.OpenExisting("\\Missing"));
    }
    EXPECT_EQ(api.Calls().size(), 1u); // nothing open, nothing closed
    {
        TRegistry registry(api);
        ASSERT_TRUE(registry.OpenExisting("\\A"));
    }
    EXPECT_EQ(api.KeysOpened(), 1u);
    EXPECT_EQ(api.KeysClosed(), 1u);
    EXPECT_EQ(memory.OpenHandleCount(), 0u);
}

struct TextReadRow {
    const char* name;
    std::optional<std::uint32_t> type; // none: the value is missing
    Bytes data;
    std::string expected; // the text, when nothing is raised
    const char* raised;   // the exception's message, or null
};

void PrintTo(const TextReadRow& row, std::ostream* out)
{
    *out << row.name;
}

class ReadTextValueTable : public TRegistryTest,
                           public ::testing::WithParamInterface<TextReadRow> {};

TEST_P(ReadTextValueTable, GivesTheTextUpToItsFirstZeroOrRaises)
{
    const TextReadRow& row = GetParam();
    TRegistry registry(api);
    OpenValue(registry, row.type, row.data);
    if (row.raised == nullptr) {
        EXPECT_EQ(registry.ReadTextValue("V"), row.expected);
    } else {
        EXPECT_EQ(RaisedMessage([&] { (void)registry.ReadTextValue("V"); }), row.raised);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadTextValueTable,
    ::testing::Values(
        TextReadRow{"missing", std::nullopt, {}, "", nullptr},
        TextReadRow{"sz", RegSz, {'a', 'b', 'c', 0}, "abc", nullptr},
        TextReadRow{"sz_single_zero", RegSz, {0}, "", nullptr},
        TextReadRow{"sz_size_zero", RegSz, {}, "", nullptr},
        TextReadRow{"binary_size_zero", RegBinary, {}, "", nullptr},
        TextReadRow{"sz_inner_zero", RegSz, {'a', 'b', 0, 'c', 'd', 0}, "ab", nullptr},
        TextReadRow{"sz_without_zero", RegSz, {'a', 'b', 'c'}, "abc", nullptr},
        TextReadRow{"expand_sz_unexpanded",
                    RegExpandSz,
                    {'%', 'T', 'E', 'M', 'P', '%', 0},
                    "%TEMP%",
                    nullptr},
        TextReadRow{"binary", RegBinary, {'a', 0}, "", "Invalid data type for 'V'"},
        TextReadRow{"dword", RegDword, {0x14, 0, 0, 0}, "", "Invalid data type for 'V'"},
        TextReadRow{"none", RegNone, {'a'}, "", "Invalid data type for 'V'"}),
    [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

constexpr std::array<std::uint8_t, 4> Untouched{0xAA, 0xAA, 0xAA, 0xAA};

struct ByteReadRow {
    const char* name;
    std::optional<std::uint32_t> type;
    Bytes data;
    std::size_t count;                 // bytes read, when nothing is raised
    std::array<std::uint8_t, 4> after; // the destination, which starts as AA AA AA AA
    const char* raised;
};

void PrintTo(const ByteReadRow& row, std::ostream* out)
{
    *out << row.name;
}

class ReadByteValueTable : public TRegistryTest,
                           public ::testing::WithParamInterface<ByteReadRow> {};

TEST_P(ReadByteValueTable, FillsTheLeadingBytesOrRaises)
{
    const ByteReadRow& row = GetParam();
    TRegistry registry(api);
    OpenValue(registry, row.type, row.data);
    std::array<std::uint8_t, 4> destination = Untouched;
    const auto read = [&] { return registry.ReadByteValue("V", destination.data(), 4); };
    if (row.raised == nullptr) {
        EXPECT_EQ(read(), row.count);
        EXPECT_EQ(destination, row.after);
    } else {
        EXPECT_EQ(RaisedMessage(read), row.raised);
        EXPECT_EQ(destination, Untouched);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ReadByteValueTable,
    ::testing::Values(
        ByteReadRow{"missing", std::nullopt, {}, 0, Untouched, nullptr},
        ByteReadRow{"binary_four", RegBinary, {0x14, 0, 0, 0}, 4, {0x14, 0, 0, 0}, nullptr},
        ByteReadRow{"binary_two", RegBinary, {0xFF, 0xFF}, 2, {0xFF, 0xFF, 0xAA, 0xAA}, nullptr},
        ByteReadRow{"binary_empty", RegBinary, {}, 0, Untouched, nullptr},
        ByteReadRow{"none_one", RegNone, {0x05}, 1, {0x05, 0xAA, 0xAA, 0xAA}, nullptr},
        ByteReadRow{"multi_sz_three", 7, {1, 2, 3}, 3, {1, 2, 3, 0xAA}, nullptr},
        ByteReadRow{"binary_five", RegBinary, {1, 2, 3, 4, 5}, 0, {}, "Invalid data type for 'V'"},
        ByteReadRow{"sz", RegSz, {'2', 0}, 0, {}, "Invalid data type for 'V'"},
        ByteReadRow{"expand_sz", RegExpandSz, {'2', 0}, 0, {}, "Invalid data type for 'V'"},
        ByteReadRow{"dword", RegDword, {0x14, 0, 0, 0}, 0, {}, "Invalid data type for 'V'"}),
    [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

TEST_F(TRegistryTest, AReadThatFailsAfterTheSizeWasFoundRaises)
{
    memory.SetText("K", "T", "text");
    memory.SetValue("K", "B", RegBinary, {1, 2});
    TRegistry registry(api);
    ASSERT_TRUE(registry.OpenExisting("\\K"));
    api.FailKind(test::RegCall::QueryValue, 2);
    EXPECT_EQ(RaisedMessage([&] { (void)registry.ReadTextValue("T"); }),
              "Failed to get data for 'T'");
    api.FailKind(test::RegCall::QueryValue, 2);
    std::array<std::uint8_t, 4> destination{};
    EXPECT_EQ(RaisedMessage([&] { (void)registry.ReadByteValue("B", destination.data(), 4); }),
              "Failed to get data for 'B'");
}

TEST_F(TRegistryTest, ASizeQueryThatFailsCountsAsMissingButIsNoted)
{
    memory.SetText("K", "T", "text");
    TRegistry registry(api);
    ASSERT_TRUE(registry.OpenExisting("\\K"));
    EXPECT_EQ(registry.ReadTextValue("Absent"), "");
    EXPECT_FALSE(registry.SkippedUnreadableValue()); // plainly missing
    api.FailKind(test::RegCall::QueryValue, 1, RegAccessDenied);
    EXPECT_EQ(registry.ReadTextValue("T"), "");
    EXPECT_TRUE(registry.SkippedUnreadableValue());
}

TEST_F(TRegistryTest, WritesTextWithOneZeroAndBytesAsBinary)
{
    TRegistry registry(api);
    ASSERT_TRUE(registry.OpenOrCreate("\\K"));
    registry.WriteTextValue("T", "a b");
    registry.WriteTextValue("E", "");
    const std::uint8_t bytes[] = {0xEC, 0xFF, 0xFF, 0xFF};
    registry.WriteByteValue("B", bytes, sizeof bytes);
    EXPECT_EQ(memory.Value("K", "T"), (test::MemoryValue{RegSz, {'a', ' ', 'b', 0}}));
    EXPECT_EQ(memory.Value("K", "E"), (test::MemoryValue{RegSz, {0}}));
    EXPECT_EQ(memory.Value("K", "B"), (test::MemoryValue{RegBinary, {0xEC, 0xFF, 0xFF, 0xFF}}));
}

TEST_F(TRegistryTest, AFailedWriteRaisesWithTheValueName)
{
    TRegistry registry(api);
    ASSERT_TRUE(registry.OpenOrCreate("\\K"));
    api.FailKind(test::RegCall::SetValue);
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

class DeleteTreeTest : public TRegistryTest {
protected:
    void SetUp() override
    {
        for (const char* key : {"T\\a\\x", "T\\a\\y\\deep", "T\\b", "T\\c"}) {
            memory.AddKey(key);
        }
        memory.SetText("T\\a\\y\\deep", "V", "v");
        memory.SetText("T", "V", "v");
        memory.SetText("Keep", "V", "kept");
    }
};

TEST_F(DeleteTreeTest, DeletesEverythingBelowAndKeepsTheOpenKeyOpen)
{
    TRegistry registry(api);
    ASSERT_TRUE(registry.OpenExisting("\\Keep"));
    EXPECT_TRUE(registry.DeleteTree("\\T"));
    EXPECT_FALSE(memory.HasKey("T"));
    EXPECT_EQ(registry.ReadTextValue("V"), "kept");
    EXPECT_EQ(api.KeysStillOpen(), 1u);
    EXPECT_EQ(memory.OpenHandleCount(), 1u);
}

TEST_F(DeleteTreeTest, ARelativePathIsTakenFromTheOpenKey)
{
    TRegistry registry(api);
    ASSERT_TRUE(registry.OpenExisting("\\T"));
    EXPECT_TRUE(registry.DeleteTree("a"));
    EXPECT_FALSE(memory.HasKey("T\\a"));
    EXPECT_TRUE(memory.HasKey("T\\b"));
}

TEST_F(DeleteTreeTest, AMissingKeyIsNotDeleted)
{
    const std::string before = memory.Dump();
    TRegistry registry(api);
    EXPECT_FALSE(registry.DeleteTree("\\Nowhere"));
    EXPECT_FALSE(registry.DeleteTree("\\"));
    EXPECT_EQ(memory.Dump(), before);
}

TEST_F(DeleteTreeTest, ASubKeyWhoseNameCannotBeFetchedIsSkipped)
{
    TRegistry registry(api);
    api.FailKind(test::RegCall::EnumKey, 1); // the first fetched: the highest index, "c"
    EXPECT_FALSE(registry.DeleteTree("\\T"));
    EXPECT_TRUE(memory.HasKey("T\\c"));
    EXPECT_FALSE(memory.HasKey("T\\a"));
    EXPECT_FALSE(memory.HasKey("T\\b"));
    EXPECT_EQ(memory.OpenHandleCount(), 0u);
}

TEST_F(DeleteTreeTest, AReadOnlySubKeyStaysWithTheKeysAboveIt)
{
    memory.SetReadOnly("T\\a\\x");
    TRegistry registry(api);
    EXPECT_FALSE(registry.DeleteTree("\\T"));
    EXPECT_TRUE(memory.HasKey("T\\a\\x"));
    EXPECT_FALSE(memory.HasKey("T\\a\\y"));
    EXPECT_FALSE(memory.HasKey("T\\b"));
    EXPECT_EQ(memory.OpenHandleCount(), 0u);
}

} // namespace
} // namespace zandrel
