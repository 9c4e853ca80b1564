// The import as the export calls it: real files through the platform's file
// source, the limit from the settings record.

#include <gtest/gtest.h>

#include <string>

#include "import/ImportDescription.h"
#include "import/ImportFileFixture.h"
#include "import/ImportLimits.h"
#include "support/LongPath.h"
#include "support/TextPieces.h"

namespace zandrel {
namespace {

using test::ImportFileFixture;
using test::Letters;

std::string NumberedLines(int count)
{
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += "line " + std::to_string(i) + "\r\n";
    }
    return text;
}

TEST_F(ImportFileFixture, ATenThousandByteFileGivesItsFirst4095Bytes)
{
    const std::string content = Letters(10000);
    EXPECT_EQ(ImportFile(content), content.substr(0, ReadLimit));
}

TEST_F(ImportFileFixture, AZeroByteAtOffset100EndsTheText)
{
    std::string content = Letters(300);
    content[100] = '\0';
    EXPECT_EQ(ImportFile(content), content.substr(0, 100));
}

TEST_F(ImportFileFixture, OneCharacterLinesStayWithinTheDescriptionCapacity)
{
    const std::string content = test::WorstCaseText();
    ASSERT_EQ(content.size(), ReadLimit);
    EXPECT_EQ(ImportFile(content), test::Repeat("a\r\n", 1364) + "a");
    EXPECT_TRUE(host_.NothingPastTheZero());
    EXPECT_TRUE(host_.SentinelsFrom(DescriptionCapacity));
}

TEST_F(ImportFileFixture, TheLimitKeepsTwentyOfThirtyLines)
{
    const std::string content = NumberedLines(30);
    std::string twenty = NumberedLines(20);
    twenty.resize(twenty.size() - 2);
    std::string thirty = content;
    thirty.resize(thirty.size() - 2);

    limit_ = {true, 20};
    EXPECT_EQ(ImportFile(content), twenty);
    limit_.enabled = false;
    EXPECT_EQ(ImportFile(content), thirty);
}

// Paths of 260 bytes and more, beyond the ANSI file functions, are read whole.
TEST_F(ImportFileFixture, LongPathsAreReadWhole)
{
    for (const std::size_t length : {std::size_t{300}, std::size_t{1000}}) {
        SCOPED_TRACE(length);
        path_ = test::LongPath(dir_.Path().string(), length, "a-folder-of-a-long-path");
        ASSERT_EQ(path_.size(), length);
        ASSERT_TRUE(test::WriteLongPathFile(path_, "  from a long path\r\n"));
        EXPECT_EQ(Run(), "from a long path");
    }
}

TEST_F(ImportFileFixture, A319BytePathIsNotCutToTheFileItsFirst259BytesName)
{
    const std::string base = dir_.Path().string() + test::PathSeparator;
    const std::string first259 = base + std::string(259 - base.size() - 4, 'n') + ".txt";
    ASSERT_TRUE(test::WriteLongPathFile(first259, "the file of the first 259 bytes"));
    // Through a folder whose name starts with that file's.
    path_ = first259 + "-folder" + test::PathSeparator + std::string(48, 'f') + ".txt";
    ASSERT_EQ(path_.size(), 319u);
    Run();
    EXPECT_TRUE(host_.Untouched()) << "nothing where the long path has no file";
    ASSERT_TRUE(test::WriteLongPathFile(path_, "its own file"));
    EXPECT_EQ(Run(), "its own file");
}

TEST_F(ImportFileFixture, AMissingFileLeavesTheDescriptionAlone)
{
    path_ = (dir_.Path() / "missing.txt").string();
    Run();
    EXPECT_TRUE(host_.Untouched());
}

TEST_F(ImportFileFixture, AnEmptyFileLeavesTheDescriptionAlone)
{
    ImportFile("");
    EXPECT_TRUE(host_.Untouched());
}

} // namespace
} // namespace zandrel
