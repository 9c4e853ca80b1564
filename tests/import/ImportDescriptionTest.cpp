#include <gtest/gtest.h>

#include <string>

#include "import/ImportDescription.h"
#include "import/ImportLimits.h"
#include "support/AllocationCounter.h"
#include "support/FakeFileSource.h"
#include "support/HostBuffer.h"
#include "support/PathCallback.h"
#include "support/ScopedCodePage.h"
#include "support/SpelledBytes.h"
#include "support/TextPieces.h"

namespace zandrel {
namespace {

using test::FakeFileSource;
using test::Spelled;

using test::HostBuffer;
using test::Letters;
using test::PathCallback;
using test::Repeat;

HostBuffer Import(FakeFileSource& source, LineLimit limit = {},
                  const char* path = "C:\\item\\README.TXT", const char* names = "README.TXT\0")
{
    PathCallback::Answer(path);
    HostBuffer host;
    ImportDescription(names, host.data(), &PathCallback::Resolve, source, limit);
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
    // Read, but no text: as if unreadable, and the other name is not tried.
    {"binary_format", "0x1F 0x8B 0x08 NUL NUL NUL NUL NUL 0x02 0x03", Nothing, Path, {}, nullptr, true},
    {"only_white_space", "SP CR LF TAB SUB", Nothing, Path, {}, "empty", true},
    {"limit_two_lines", "one CR LF two CR LF three", Nothing, Path, {true, 2}, "one CR LF two", true},
    {"limit_off_keeps_all", "one CR LF two CR LF three", Nothing, Path, {false, 2}, "one CR LF two CR LF three", true},
    {"limit_zero_keeps_nothing", "one", Nothing, Path, {true, 0}, "empty", true},
    {"limit_negative_keeps_nothing", "one", Nothing, Path, {true, -7}, "empty", true},
};
// clang-format on

TEST(ImportDescription, WritesTheTextOnceOrNothing)
{
    test::ScopedCodePage codePage;
    for (const ImportRow& row : ImportRows) {
        SCOPED_TRACE(row.name);
        FakeFileSource source;
        source.content = Spelled(row.content);
        row.prepare(source);
        const HostBuffer host = Import(source, row.limit, row.path, "README.TXT\0ABOUT.TXT\0");
        EXPECT_EQ(PathCallback::calls, 1);
        if (row.expected == nullptr) {
            EXPECT_TRUE(host.Untouched());
        } else {
            EXPECT_EQ(host.Text(), Spelled(row.expected));
            EXPECT_TRUE(host.NothingPastTheZero());
        }
        EXPECT_EQ(source.openCalls, row.path != nullptr && *row.path != '\0' ? 1 : 0);
        EXPECT_EQ(source.closeCalls, row.opened ? 1 : 0);
    }
}

TEST(ImportDescription, ReadsOnceAtMostTheReadLimit)
{
    test::ScopedCodePage codePage;
    FakeFileSource source;
    source.content = Letters(10000);
    const HostBuffer host = Import(source);
    EXPECT_EQ(source.readCalls, 1);
    EXPECT_EQ(source.requestedBytes, ReadLimit);
    EXPECT_EQ(host.Text(), source.content.substr(0, ReadLimit));
}

TEST(ImportDescription, HandsAPathOfAnyLengthToTheFileSourceWhole)
{
    test::ScopedCodePage codePage;
    for (const std::size_t length : {std::size_t{259}, std::size_t{260}, std::size_t{1000}}) {
        SCOPED_TRACE(length);
        FakeFileSource source;
        source.content = "text";
        const std::string path = "C:\\" + std::string(length - 3, 'p');
        const HostBuffer host = Import(source, {}, path.c_str());
        EXPECT_EQ(source.openCalls, 1);
        EXPECT_EQ(std::string(source.openedPath), path);
        EXPECT_EQ(host.Text(), "text");
    }
}

TEST(ImportDescription, AsksForTheChosenNameOnce)
{
    test::ScopedCodePage codePage;
    FakeFileSource source;
    source.content = "text";
    static constexpr char names[] = "A\\B.TXT\0C.TXT\0";
    const HostBuffer host = Import(source, {}, "C:\\C.TXT", names);
    EXPECT_EQ(PathCallback::calls, 1);
    EXPECT_EQ(PathCallback::askedName, names + 8);
    EXPECT_EQ(host.Text(), "text");
}

TEST(ImportDescription, EmptyListAsksForTheEmptyName)
{
    test::ScopedCodePage codePage;
    FakeFileSource source;
    const HostBuffer host = Import(source, {}, "", "");
    EXPECT_EQ(PathCallback::calls, 1);
    ASSERT_NE(PathCallback::askedName, nullptr);
    EXPECT_STREQ(PathCallback::askedName, "");
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
    {"one_char_lf_lines", false, test::WorstCaseText(), Repeat("a\r\n", 1364) + "a"},
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

TEST(ImportDescription, WritesNothingPastTheCapacity)
{
    for (const BoundRow& row : BoundRows) {
        SCOPED_TRACE(row.name);
        test::ScopedCodePage codePage(row.dbcs, {0x81, 0x9F, 0xE0, 0xFC});
        FakeFileSource source;
        source.content = row.content;
        const HostBuffer host = Import(source);
        EXPECT_EQ(host.Text().size(), row.expected.size());
        EXPECT_EQ(host.Text(), row.expected);
        EXPECT_TRUE(host.NothingPastTheZero());
        EXPECT_TRUE(host.SentinelsFrom(DescriptionCapacity));
    }
}

TEST(ImportDescription, AllocatesNothing)
{
    FakeFileSource worst;
    worst.content = test::WorstCaseText();
    FakeFileSource dbcs;
    dbcs.content = std::string(4094, 'x') + "\x82\xA0";
    // Marked texts convert through the wide buffer, bad sequences included.
    FakeFileSource utf8;
    utf8.content = test::Utf8Mark + Repeat("\xE3\x81\x82\xFF\n", 900);
    FakeFileSource utf16;
    utf16.content = test::Utf16LeMark + Repeat(std::string("a\0\n\0\x3D\xD8", 6), 700);
    // So do UTF-8 without a mark and the OEM text of a .DIZ file.
    FakeFileSource unmarked;
    unmarked.content = Repeat("\xE3\x81\x82\n", 1100);
    FakeFileSource diz;
    diz.content = Repeat("\xC9\xCD\x82\n", 1100);
    auto codePage = test::ShiftJis();
    HostBuffer host;
    PathCallback::Answer("C:\\r.txt");

    long allocations = -1;
    {
        const test::AllocationCounter counter;
        ImportDescription("README.TXT\0", host.data(), &PathCallback::Resolve, worst,
                          LineLimit{true, 4000});
        ImportDescription("README.TXT\0", host.data(), &PathCallback::Resolve, utf8, LineLimit{});
        ImportDescription("README.TXT\0", host.data(), &PathCallback::Resolve, utf16, LineLimit{});
        ImportDescription("README.TXT\0", host.data(), &PathCallback::Resolve, unmarked,
                          LineLimit{});
        ImportDescription("FILE_ID.DIZ\0", host.data(), &PathCallback::Resolve, diz, LineLimit{});
        ImportDescription("README.TXT\0", host.data(), &PathCallback::Resolve, dbcs, LineLimit{});
        allocations = counter.Count();
    }
    EXPECT_EQ(allocations, 0);
    EXPECT_EQ(utf8.readCalls + utf16.readCalls + unmarked.readCalls + diz.readCalls, 4);
    EXPECT_EQ(host.Text(), std::string(4094, 'x'));
}

} // namespace
} // namespace zandrel
