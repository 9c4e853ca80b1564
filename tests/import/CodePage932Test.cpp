// The double-byte behaviour again with the real code page 932 that Wine gives
// under LC_ALL=ja_JP.UTF-8, the code-page facts taken from the system.

#include <gtest/gtest.h>

#include <string>

#include "import/text/ApplyLineLimit.h"
#include "import/ChooseCandidateName.h"
#include "import/DoubleByteRows.h"
#include "import/ImportFileFixture.h"
#include "import/text/NormaliseDescriptionText.h"
#include "support/CodePage932.h"
#include "support/LongPath.h"
#include "support/SpelledBytes.h"
#include "support/TextPieces.h"

namespace zandrel {
namespace {

using test::Spelled;

using CodePage932 = test::OnCodePage932<test::ImportFileFixture>;

TEST_F(CodePage932, LeadBytesAreThoseOfShiftJis)
{
    for (int byte = 0; byte < 256; ++byte) {
        const bool lead = (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
        EXPECT_EQ(LeadByteSet[static_cast<std::size_t>(byte)], lead) << "byte " << byte;
    }
}

TEST_F(CodePage932, NormalisationRows)
{
    for (const auto& row : test::DoubleByteNormaliseRows) {
        const std::string source = Spelled(row.source);
        NormalisedBuffer result;
        const std::size_t length = NormaliseDescriptionText(source.c_str(), result);
        EXPECT_EQ(std::string(result.data(), length), Spelled(row.expected)) << row.name;
    }
}

TEST_F(CodePage932, LineLimitRows)
{
    for (const auto& row : test::DoubleByteLineLimitRows) {
        std::string text = Spelled(row.text);
        ApplyLineLimit(text.data(), row.lines);
        EXPECT_EQ(text.c_str(), Spelled(row.expected)) << row.name;
    }
}

TEST_F(CodePage932, ATrailByte0x5CInANameIsNoSeparator)
{
    // 0x83 0x5C is one character (katakana SO) whose trail byte is '\'.
    static constexpr char names[] = "DOCS\\README.TXT\0\x83\\\x83t\x83g.TXT\0";
    EXPECT_STREQ(ChooseCandidateName(names), "\x83\\\x83t\x83g.TXT");
}

TEST_F(CodePage932, LongPathsWithDoubleByteFolderNamesAreReadWhole)
{
    // Folders named with four double-byte characters, two of them with the trail byte '\'.
    const std::string folder = test::Repeat("\x95\\\x8E\xA6\x83\\\x83t", 4);
    for (const std::size_t length : {std::size_t{300}, std::size_t{1000}}) {
        SCOPED_TRACE(length);
        path_ = test::LongPath(dir_.Path().string(), length, folder);
        ASSERT_EQ(path_.size(), length);
        ASSERT_TRUE(test::WriteLongPathFile(path_, "\x95\\\x8E\xA6 text"));
        EXPECT_EQ(Run(), "\x95\\\x8E\xA6 text");
    }
}

TEST_F(CodePage932, AFileWithCharactersAcrossLineBreaksIsReadWhole)
{
    // 0x82 CR and 0x82 LF are characters, not breaks; SP after 0x82 is a trail byte.
    EXPECT_EQ(ImportFile(Spelled("SP 0x82 CR one CR LF CR LF 0x82 SP")),
              Spelled("0x82 CR one CR LF 0x82 SP"));
}

TEST_F(CodePage932, ALeadByteWithoutItsTrailByteIsDropped)
{
    // The file ends after the lead byte; the read cuts the last character.
    EXPECT_EQ(ImportFile(Spelled("one 0x82")), "one");
    EXPECT_EQ(ImportFile("a" + std::string(4093, '\n') + "\x82\xA0"), "a");
}

TEST_F(CodePage932, TheLineLimitStepsOverTrailBytesInAFile)
{
    limit_ = {true, 2};
    EXPECT_EQ(ImportFile(Spelled("0x82 LF one LF two LF three")), Spelled("0x82 LF one CR LF two"));
}

} // namespace
} // namespace zandrel
