#include <gtest/gtest.h>

#include <string>

#include "import/ImportDescription.h"
#include "import/ImportLimits.h"
#include "support/AllocationCounter.h"
#include "support/FakeFileSource.h"
#include "support/ScopedCodePage.h"
#include "support/SpelledBytes.h"

namespace zandrel {
namespace {

using test::FakeFileSource;
using test::Spelled;

constexpr char Sentinel = '#';
constexpr std::size_t ProbeSize = 2 * NormalisedBufferSize; // room to see any overrun

// What the host's callback hands back, and what it was asked.
const char* resolvedPath = nullptr;
const char* askedName = nullptr;
int resolveCalls = 0;

const char* ZANDREL_STDCALL ResolveForTest(const char* name)
{
    askedName = name;
    ++resolveCalls;
    return resolvedPath;
}

// The host's Description buffer, every byte a sentinel before the import.
struct HostBuffer {
    std::string bytes = std::string(ProbeSize, Sentinel);

    [[nodiscard]] bool Untouched() const { return bytes == std::string(ProbeSize, Sentinel); }
    [[nodiscard]] std::string Text() const { return std::string(bytes.c_str()); }
    // Every byte after the terminating zero is still the sentinel.
    [[nodiscard]] bool NothingPastTheZero() const
    {
        const std::size_t zero = bytes.find('\0');
        return zero != std::string::npos &&
               bytes.find_first_not_of(Sentinel, zero + 1) == std::string::npos;
    }
};

HostBuffer Import(FakeFileSource& source, LineLimit limit = {},
                  const char* path = "C:\\item\\README.TXT", const char* names = "README.TXT\0")
{
    resolvedPath = path;
    askedName = nullptr;
    resolveCalls = 0;
    HostBuffer host;
    ImportDescription(names, host.bytes.data(), ResolveForTest, source, limit);
    EXPECT_FALSE(source.isOpen) << "the file is closed on every way out";
    return host;
}

struct ImportRow {
    const char* name;
    const char* content; // spelled
    void (*prepare)(FakeFileSource&);
    const char* path;
    LineLimit limit;
    const char* expected; // spelled; nullptr: Description is not written at all
    bool opened;          // a successful open, so exactly one close
};

void Nothing(FakeFileSource&) {}
constexpr const char* Path = "C:\\r.txt";

// clang-format off
const ImportRow ImportRows[] = {
    {"text_is_normalised", "SP hello SP CR LF", Nothing, Path, {}, "hello", true},
    {"null_path", "hello", Nothing, nullptr, {}, nullptr, false},
    {"empty_path", "hello", Nothing, "", {}, nullptr, false},
    {"open_fails", "hello", [](FakeFileSource& s) { s.openFails = true; }, Path, {}, nullptr, false},
    {"empty_file", "empty", Nothing, Path, {}, nullptr, true},
    {"size_fails", "hello", [](FakeFileSource& s) { s.sizeFails = true; }, Path, {}, nullptr, true},
    {"position_fails", "hello", [](FakeFileSource& s) { s.positionFails = true; }, Path, {}, nullptr, true},
    {"position_at_end", "hello", [](FakeFileSource& s) { s.startPosition = 5; }, Path, {}, nullptr, true},
    {"read_fails", "hello", [](FakeFileSource& s) { s.readFails = true; }, Path, {}, nullptr, true},
    {"read_delivers_nothing", "hello", [](FakeFileSource& s) { s.deliverAtMost = 0; }, Path, {}, nullptr, true},
    {"short_read_used_as_is", "one SP two", [](FakeFileSource& s) { s.deliverAtMost = 3; }, Path, {}, "one", true},
    // GetFileSize's low half alone would say 0 here.
    {"size_of_4_gib_is_not_empty", "big", [](FakeFileSource& s) { s.extraSize = (std::uint64_t{1} << 32) - 3; }, Path, {}, "big", true},
    {"zero_byte_ends_text", "one NUL two", Nothing, Path, {}, "one", true},
    {"only_white_space", "SP CR LF TAB SUB", Nothing, Path, {}, "empty", true},
    {"limit_two_lines", "one CR LF two CR LF three", Nothing, Path, {true, 2}, "one CR LF two", true},
    {"limit_off_keeps_all", "one CR LF two CR LF three", Nothing, Path, {false, 2}, "one CR LF two CR LF three", true},
    {"limit_zero_keeps_nothing", "one", Nothing, Path, {true, 0}, "empty", true},
    {"limit_negative_keeps_nothing", "one", Nothing, Path, {true, -7}, "empty", true},
};
// clang-format on

class ImportDescriptionTable : public ::testing::TestWithParam<ImportRow> {};

TEST_P(ImportDescriptionTable, WritesTheTextOnceOrNothing)
{
    const ImportRow& row = GetParam();
    test::ScopedCodePage codePage;
    FakeFileSource source;
    source.content = Spelled(row.content);
    row.prepare(source);
    const HostBuffer host = Import(source, row.limit, row.path);
    EXPECT_EQ(resolveCalls, 1);
    if (row.expected == nullptr) {
        EXPECT_TRUE(host.Untouched());
    } else {
        EXPECT_EQ(host.Text(), Spelled(row.expected));
        EXPECT_TRUE(host.NothingPastTheZero());
    }
    EXPECT_EQ(source.openCalls, row.path != nullptr && *row.path != '\0' ? 1 : 0);
    EXPECT_EQ(source.closeCalls, row.opened ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Rows, ImportDescriptionTable, ::testing::ValuesIn(ImportRows),
                         [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

std::string Repeat(const std::string& piece, std::size_t times)
{
    std::string text;
    for (std::size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

TEST(ImportDescription, ReadsOnceAtMostTheReadLimit)
{
    test::ScopedCodePage codePage;
    FakeFileSource source;
    for (int i = 0; i < 10000; ++i) {
        source.content += static_cast<char>('a' + i % 26);
    }
    const HostBuffer host = Import(source);
    EXPECT_EQ(source.readCalls, 1);
    EXPECT_EQ(source.requestedBytes, ReadLimit);
    EXPECT_EQ(host.Text(), source.content.substr(0, ReadLimit));
}

TEST(ImportDescription, OpensAPathOfAtMost259BytesAndNoLongerOne)
{
    test::ScopedCodePage codePage;
    for (const std::size_t length : {PathLimit, PathLimit + 1, std::size_t{300}}) {
        SCOPED_TRACE(length);
        FakeFileSource source;
        source.content = "text";
        const std::string path = "C:\\" + std::string(length - 3, 'p');
        const HostBuffer host = Import(source, {}, path.c_str());
        const bool opened = length <= PathLimit;
        EXPECT_EQ(source.openCalls, opened ? 1 : 0);
        if (opened) {
            EXPECT_EQ(host.Text(), "text");
            EXPECT_EQ(std::string(source.openedPath), path);
        } else {
            EXPECT_TRUE(host.Untouched());
        }
    }
}

TEST(ImportDescription, AsksForTheChosenNameOnce)
{
    test::ScopedCodePage codePage;
    FakeFileSource source;
    source.content = "text";
    static constexpr char names[] = "A\\B.TXT\0C.TXT\0";
    const HostBuffer host = Import(source, {}, "C:\\C.TXT", names);
    EXPECT_EQ(resolveCalls, 1);
    EXPECT_EQ(askedName, names + 8);
    EXPECT_EQ(host.Text(), "text");
}

TEST(ImportDescription, EmptyListAsksForTheEmptyName)
{
    test::ScopedCodePage codePage;
    FakeFileSource source;
    const HostBuffer host = Import(source, {}, "", "");
    EXPECT_EQ(resolveCalls, 1);
    ASSERT_NE(askedName, nullptr);
    EXPECT_STREQ(askedName, "");
    EXPECT_EQ(source.openCalls, 0);
    EXPECT_TRUE(host.Untouched());
}

// Texts at the read limit, and normalised texts longer than the Description
// buffer's 4,095 text bytes.
struct BoundRow {
    const char* name;
    bool dbcs; // Shift-JIS lead bytes
    std::string content;
    std::string expected;
};

const BoundRow BoundRows[] = {
    {"fits_exactly", false, std::string(4095, 'x'), std::string(4095, 'x')},
    // 2,048 one-byte lines: 6,142 bytes normalised. The cut after 4,095 bytes
    // ends on a CR LF, which the trim then removes.
    {"one_char_lf_lines", false, Repeat("a\n", 2047) + "a", Repeat("a\r\n", 1364) + "a"},
    {"cut_exposes_crlf", false, std::string(4093, 'x') + "\ny", std::string(4093, 'x')},
    // The character at bytes 4,094 and 4,095 does not fit whole.
    {"cut_before_straddling_character", true, "a\na\n" + Repeat("\x82\xA0", 2045) + "z",
     "a\r\na\r\n" + Repeat("\x82\xA0", 2044)},
    // The 4,095th byte read is a lead byte whose trail the read cut off: it is
    // dropped, not paired with the CR that the normaliser appends.
    {"lead_byte_read_last_is_dropped", true, "a" + std::string(4093, '\n') + "\x82\xA0", "a"},
    {"same_bytes_single_byte", false, std::string(4094, 'x') + "\x82\xA0\x82\xA0",
     std::string(4094, 'x') + "\x82"},
};

class BoundedCopyTable : public ::testing::TestWithParam<BoundRow> {};

TEST_P(BoundedCopyTable, WritesNothingPastTheCapacity)
{
    const BoundRow& row = GetParam();
    test::ScopedCodePage codePage(row.dbcs, {0x81, 0x9F, 0xE0, 0xFC});
    FakeFileSource source;
    source.content = row.content;
    const HostBuffer host = Import(source);
    EXPECT_EQ(host.Text().size(), row.expected.size());
    EXPECT_EQ(host.Text(), row.expected);
    EXPECT_TRUE(host.NothingPastTheZero());
    EXPECT_EQ(host.bytes.find_first_not_of(Sentinel, DescriptionCapacity), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Rows, BoundedCopyTable, ::testing::ValuesIn(BoundRows),
                         [](const auto& rowInfo) { return std::string(rowInfo.param.name); });

TEST(ImportDescription, AllocatesNothing)
{
    FakeFileSource worst;
    worst.content = Repeat("a\n", 2047) + "a";
    FakeFileSource dbcs;
    dbcs.content = std::string(4094, 'x') + "\x82\xA0";
    // Marked texts convert through the wide buffer, bad sequences included.
    FakeFileSource utf8;
    utf8.content = "\xEF\xBB\xBF" + Repeat("\xE3\x81\x82\xFF\n", 900);
    FakeFileSource utf16;
    utf16.content = "\xFF\xFE" + Repeat(std::string("a\0\n\0\x3D\xD8", 6), 700);
    // So do UTF-8 without a mark and the OEM text of a .DIZ file.
    FakeFileSource unmarked;
    unmarked.content = Repeat("\xE3\x81\x82\n", 1100);
    FakeFileSource diz;
    diz.content = Repeat("\xC9\xCD\x82\n", 1100);
    auto codePage = test::ShiftJis();
    std::string host(ProbeSize, Sentinel);
    resolvedPath = "C:\\r.txt";

    long allocations = -1;
    {
        const test::AllocationCounter counter;
        ImportDescription("README.TXT\0", host.data(), ResolveForTest, worst,
                          LineLimit{true, 4000});
        ImportDescription("README.TXT\0", host.data(), ResolveForTest, utf8, LineLimit{});
        ImportDescription("README.TXT\0", host.data(), ResolveForTest, utf16, LineLimit{});
        ImportDescription("README.TXT\0", host.data(), ResolveForTest, unmarked, LineLimit{});
        ImportDescription("FILE_ID.DIZ\0", host.data(), ResolveForTest, diz, LineLimit{});
        ImportDescription("README.TXT\0", host.data(), ResolveForTest, dbcs, LineLimit{});
        allocations = counter.Count();
    }
    EXPECT_EQ(allocations, 0);
    EXPECT_EQ(utf8.readCalls + utf16.readCalls + unmarked.readCalls + diz.readCalls, 4);
    EXPECT_EQ(host.c_str(), std::string(4094, 'x'));
}

} // namespace
} // namespace zandrel
