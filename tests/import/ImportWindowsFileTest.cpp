// Windows file behaviour that the import relies on: the path limit and the
// sharing mode of its open. Windows builds only (run under Wine).

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "import/ImportFileFixture.h"
#include "import/ImportLimits.h"
#include "platform/HandleOwners.h"

namespace zandrel {
namespace {

using test::ImportFileFixture;

TEST_F(ImportFileFixture, A300BytePathIsNotCutToTheFileItsFirst259BytesName)
{
    const std::string dir = dir_.Path().string() + "\\";
    ASSERT_LT(dir.size(), PathLimit - 10);
    // The name fills the path up to 259 bytes; what follows names no file.
    const std::string name = std::string(PathLimit - dir.size() - 4, 'n') + ".txt";
    const std::string longPath = dir_.Write(name, "from the long path");
    ASSERT_EQ(longPath.size(), PathLimit);
    path_ = longPath;
    EXPECT_EQ(Run(), "from the long path");
    path_ = longPath + "\\" + std::string(300 - PathLimit - 1, 'x');
    ASSERT_EQ(path_.size(), 300u);
    Run();
    EXPECT_TRUE(host_.Untouched());
}

UniqueFile OpenElsewhere(const std::string& path, DWORD shareMode)
{
    return UniqueFile(::CreateFileA(path.c_str(), GENERIC_WRITE, shareMode, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
}

TEST_F(ImportFileFixture, AFileOpenForWritingWithReadSharingIsRead)
{
    path_ = dir_.Write("README.TXT", "shared text");
    const UniqueFile writer = OpenElsewhere(path_, FILE_SHARE_READ);
    ASSERT_TRUE(writer);
    EXPECT_EQ(Run(), "shared text");
}

TEST_F(ImportFileFixture, AFileOpenWithoutReadSharingGivesNoDescription)
{
    path_ = dir_.Write("README.TXT", "locked text");
    {
        const UniqueFile writer = OpenElsewhere(path_, FILE_SHARE_WRITE);
        ASSERT_TRUE(writer);
        Run();
        EXPECT_TRUE(host_.Untouched());
    }
    EXPECT_EQ(Run(), "locked text") << "readable again once the other handle is closed";
}

TEST_F(ImportFileFixture, TheImportLeavesNoHandleOpen)
{
    // An exclusive open succeeds only when no handle to the file is left.
    path_ = dir_.Write("README.TXT", "text");
    EXPECT_EQ(Run(), "text");
    const UniqueFile exclusive(::CreateFileA(path_.c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                             nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                             nullptr));
    EXPECT_TRUE(exclusive);
}

} // namespace
} // namespace zandrel
