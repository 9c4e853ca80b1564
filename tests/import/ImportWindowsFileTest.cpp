// Windows file behaviour that the import relies on: long paths made absolute,
// and the sharing mode of its open. Windows builds only (run under Wine).

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "import/ImportFileFixture.h"
#include "platform/HandleOwners.h"
#include "support/LongPath.h"
#include "support/TempDirectory.h"

namespace zandrel {
namespace {

using test::ImportFileFixture;

TEST_F(ImportFileFixture, ALongPathIsMadeAbsoluteAsTheAnsiFunctionsDo)
{
    const std::string base = dir_.Path().string();
    const std::string written = test::LongPath(base, 300, "a-folder-of-a-long-path");
    ASSERT_TRUE(test::WriteLongPathFile(written, "from a long path"));
    // '/' for '\', "." and ".." parts: the verbatim form would take them as names.
    path_ = base + "\\absent\\..\\.\\" + written.substr(base.size() + 1);
    std::replace(path_.begin() + static_cast<std::ptrdiff_t>(base.size()), path_.end(), '\\', '/');
    EXPECT_EQ(Run(), "from a long path");
}

// A network path, \\server\share\..., through the folder where Wine keeps
// them: dosdevices\unc\server\share in the prefix, reached by the test through
// Wine's drive Z: for the Unix root. Skipped where there is no such prefix.
TEST_F(ImportFileFixture, ALongNetworkPathIsRead)
{
    const char* const winePrefix = std::getenv("WINEPREFIX");
    if (winePrefix == nullptr) {
        GTEST_SKIP() << "needs a Wine prefix (WINEPREFIX) for network paths";
    }
    const std::string share = "\\\\zandrel-test\\" + dir_.Path().filename().string();
    std::string shareFolder = std::string("Z:") + winePrefix + "/dosdevices/unc" + share.substr(1);
    std::replace(shareFolder.begin(), shareFolder.end(), '/', '\\');
    path_ = test::LongPath(share, 300, "a-folder-of-a-long-path");
    ASSERT_TRUE(test::WriteLongPathFile(shareFolder + path_.substr(share.size()), "from a share"));
    EXPECT_EQ(Run(), "from a share");
    test::RemoveTree(test::Verbatim(shareFolder));
}

UniqueFile OpenElsewhere(const std::string& path, DWORD shareMode)
{
    return test::OpenLongPath(path, GENERIC_WRITE, shareMode);
}

// A file under a short and one under a long path: both are opened alike.
class SharedFiles : public ImportFileFixture {
protected:
    std::string LongPathFile(const std::string& text)
    {
        const std::string path =
            test::LongPath(dir_.Path().string(), 300, "a-folder-of-a-long-path");
        EXPECT_TRUE(test::WriteLongPathFile(path, text));
        return path;
    }
};

TEST_F(SharedFiles, AFileOpenForWritingWithReadSharingIsRead)
{
    for (const std::string& path :
         {dir_.Write("README.TXT", "shared text"), LongPathFile("shared text")}) {
        SCOPED_TRACE(path.size());
        path_ = path;
        const UniqueFile writer = OpenElsewhere(path_, FILE_SHARE_READ);
        ASSERT_TRUE(writer);
        EXPECT_EQ(Run(), "shared text");
    }
}

TEST_F(SharedFiles, AFileOpenWithoutReadSharingGivesNoDescription)
{
    for (const std::string& path :
         {dir_.Write("README.TXT", "locked text"), LongPathFile("locked text")}) {
        SCOPED_TRACE(path.size());
        path_ = path;
        {
            const UniqueFile writer = OpenElsewhere(path_, FILE_SHARE_WRITE);
            ASSERT_TRUE(writer);
            Run();
            EXPECT_TRUE(host_.Untouched());
        }
        EXPECT_EQ(Run(), "locked text") << "readable again once the other handle is closed";
    }
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
