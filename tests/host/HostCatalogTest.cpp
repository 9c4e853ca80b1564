// The host run as a user runs it, under Wine, against the plug-in built beside
// it: the catalog of the bundled samples against their expected descriptions,
// a single import, the registration, and the refusals of bad input.

#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <vector>

#include "host/HostProcess.h"
#include "support/CodePage932.h"
#include "support/LongPath.h"
#include "support/SettingsRegistry.h"
#include "support/TempDirectory.h"

namespace zandrel::host::test {
namespace {

using zandrel::test::SettingsRegistry;
using zandrel::test::TempDirectory;

// One folder of a catalog: the header after "<folder>: " and the lines of the
// description with their indentation taken off.
struct CatalogBlock {
    std::string folder;
    std::string header;
    std::vector<std::string> lines;

    [[nodiscard]] std::string Description() const
    {
        std::string text;
        for (const std::string& line : lines) {
            text += (&line == &lines.front() ? "" : "\r\n") + line;
        }
        return text;
    }
};

struct Catalog {
    std::vector<CatalogBlock> blocks;
    std::string summary;
};

std::vector<std::string> SplitCrLfLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start)); // an unterminated last line is a fault below
    }
    return lines;
}

// Blocks are "<folder>: <header>" followed by the description lines, each
// indented by four blanks, and an empty line; the last line is the summary.
Catalog ParseCatalog(const std::string& out)
{
    Catalog catalog;
    std::vector<std::string> lines = SplitCrLfLines(out);
    if (!lines.empty()) {
        catalog.summary = lines.back();
        lines.pop_back();
    }
    for (const std::string& line : lines) {
        if (line.empty()) {
            continue;
        }
        if (line.rfind("    ", 0) == 0) {
            if (catalog.blocks.empty()) {
                ADD_FAILURE() << "description line before any folder: " << line;
                continue;
            }
            catalog.blocks.back().lines.push_back(line.substr(4));
            continue;
        }
        const std::size_t colon = line.find(": ");
        catalog.blocks.push_back(
            {line.substr(0, colon), colon == std::string::npos ? "" : line.substr(colon + 2), {}});
    }
    return catalog;
}

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The expected description of a folder: samples-expected/<folder>.desc. A
// description converted from UTF-8 or UTF-16 depends on the ANSI code page:
// where it differs under code page N, samples-expected/cpN/<folder>.desc holds it.
std::string ExpectedDescription(const std::string& folder)
{
    std::string relative = folder;
    for (char& c : relative) {
        if (c == '\\') {
            c = '/';
        }
    }
    const std::filesystem::path dir(ExpectedDir());
    const std::filesystem::path variant =
        dir / ("cp" + std::to_string(::GetACP())) / (relative + ".desc");
    const std::filesystem::path path =
        std::filesystem::exists(variant) ? variant : dir / (relative + ".desc");
    EXPECT_TRUE(std::filesystem::exists(path)) << path.string();
    return ReadBytes(path);
}

// Every folder below samples/ in the host's walk order, and what its header
// says: the name the plug-in chose, or why there is no description.
struct FolderRow {
    const char* folder;
    const char* header;
};

const FolderRow SampleFolders[] = {
    {"big-file-10k", "README.TXT"},
    {"crlf-readme", "README.TXT"},
    {"dos-file-id-diz", "no matching file"}, // FILE_ID.DIZ: see the DOS masks below
    {"empty-readme", "README.TXT, empty description"},
    {"lf-cr-readme", "README.TXT"},
    {"lf-only-readme", "readme.txt"},       // the masks ignore case
    {"long-changelog", "CHANGES.TXT"},      // only *.TXT matches
    {"markdown-readme", "no matching file"}, // README.md: see the masks for markup below
    {"nested-docs", "README.TXT"},          // before ABOUT.TXT and DOCS\README.TXT
    {"nested-docs\\DOCS", "README.TXT"},    // a folder below an item is an item too
    {"no-description", "no matching file"}, // README, FILE_ID.DIZ, INSTALL.DOC
    {"only-in-docs", "Docs\\Readme.txt"},   // from the subtree
    {"only-in-docs\\Docs", "Readme.txt"},
    {"rst-readme", "no matching file"},     // README.rst: see the masks for markup below
    {"rtf-readme", "no matching file"},     // README.RTF: see the masks for markup below
    {"shift-jis", "README.TXT"},
    {"tabs-and-blank-lines", "README.TXT"},
    {"utf16-readme", "README.TXT"},                     // UTF-16 with a byte-order mark
    {"utf8-no-mark", "README.TXT"},                     // UTF-8 without one
    {"utf8-readme", "README.TXT"},                      // UTF-8 with a byte-order mark
    {"web-readme", "no matching file"},                 // README.HTM
    {"zipped-readme", "README.TXT, empty description"}, // a zip archive, not text
};

// No settings in the registry, before and after: the plug-in's defaults serve.
class HostRunTest : public ::testing::Test {
protected:
    SettingsRegistry settings_;
};

// The runs checked here ask for progress lines an hour apart, so that standard
// error stays empty however slow the machine is.
void ExpectCatalogOfSamples(const HostRun& run)
{
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.err, "");
    ASSERT_GE(run.out.size(), 2u);
    EXPECT_EQ(run.out.substr(run.out.size() - 2), "\r\n");

    const Catalog catalog = ParseCatalog(run.out);
    ASSERT_EQ(catalog.blocks.size(), std::size(SampleFolders)) << run.out;
    std::size_t described = 0;
    for (std::size_t i = 0; i < catalog.blocks.size(); ++i) {
        const CatalogBlock& block = catalog.blocks[i];
        SCOPED_TRACE(block.folder);
        EXPECT_EQ(block.folder, SampleFolders[i].folder);
        EXPECT_EQ(block.header, SampleFolders[i].header);
        // An item without a matching file has its expected description for
        // the masks that do match it.
        const std::string expected = block.header == "no matching file"
                                         ? std::string()
                                         : ExpectedDescription(SampleFolders[i].folder);
        EXPECT_EQ(block.Description(), expected);
        described += expected.empty() ? 0 : 1;
    }
    EXPECT_EQ(described, 14u);
    EXPECT_TRUE(std::regex_match(
        catalog.summary, std::regex("22 folders, 14 descriptions imported in [0-9]+\\.[0-9]{3} s")))
        << catalog.summary;
}

TEST_F(HostRunTest, CatalogOfSamplesGivesTheExpectedDescriptions)
{
    // Code page 1252: the Shift-JIS bytes are single characters here. No trail
    // byte of Shift-JIS is a line break or white space, so the description
    // comes out byte for byte as under code page 932 (the CodePage932 suite).
    // The UTF-8 and UTF-16 samples, with a byte-order mark or without, are
    // converted to the code page: their Japanese lines become '?' here, their
    // Western letters under 932.
    ExpectCatalogOfSamples(RunHost({"--progress", "3600", "catalog", SamplesDir()}));
}

TEST_F(HostRunTest, EveryExpectedDescriptionHasItsFolder)
{
    const std::filesystem::path dir(ExpectedDir());
    const std::filesystem::path cp932 = dir / "cp932";
    std::size_t files = 0;
    for (auto entry = std::filesystem::recursive_directory_iterator(dir);
         entry != std::filesystem::recursive_directory_iterator(); ++entry) {
        if (entry->path() == cp932) {
            entry.disable_recursion_pending(); // the code-page variants, below
            continue;
        }
        files += entry->path().extension() == ".desc" ? 1 : 0;
    }
    EXPECT_EQ(files, std::size(SampleFolders));
    // A variant replaces a description that exists.
    for (const auto& variant : std::filesystem::directory_iterator(cp932)) {
        EXPECT_TRUE(std::filesystem::exists(dir / variant.path().filename()))
            << variant.path().string();
    }
}

TEST_F(HostRunTest, ProgressLinesGoToStandardErrorOnly)
{
    const HostRun quiet = RunHost({"--progress", "3600", "catalog", SamplesDir()});
    const HostRun chatty = RunHost({"--progress", "0", "catalog", SamplesDir()});
    EXPECT_EQ(chatty.exitCode, 0u);
    // The same catalog, apart from the time taken.
    const std::regex time(" in [0-9.]+ s\r\n$");
    EXPECT_EQ(std::regex_replace(chatty.out, time, ""), std::regex_replace(quiet.out, time, ""));
    EXPECT_NE(chatty.err.find("catalog: 22 folders found, "), std::string::npos) << chatty.err;
    EXPECT_NE(chatty.err.find("catalog: 22 of 22 folders done, 14 descriptions imported, "),
              std::string::npos)
        << chatty.err;
}

TEST_F(HostRunTest, ImportPrintsOneDescriptionAsItIs)
{
    const HostRun run = RunHost({"import", SamplesDir() + "\\nested-docs"});
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, ExpectedDescription("nested-docs") + "\r\n");
}

// The masks a user adds for DOS files, stored as the setup dialog stores them:
// the FILE_ID.DIZ is then the item's description, read in the OEM code page.
void ExpectDizItemUnderDosMasks()
{
    ASSERT_TRUE(SettingsRegistry::Write("README.TXT,*.TXT,FILE_ID.DIZ,*.NFO", 20));
    const HostRun run = RunHost({"import", SamplesDir() + "\\dos-file-id-diz"});
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, ExpectedDescription("dos-file-id-diz") + "\r\n");
}

TEST_F(HostRunTest, DosMasksImportTheDizItemFromTheOemCodePage)
{
    ASSERT_EQ(::GetOEMCP(), 437u) << "the expected description is spelled for code page 437";
    ExpectDizItemUnderDosMasks();
}

// Run with the ANSI code page 932, which is the OEM code page too: nothing to convert.
TEST_F(HostRunTest, CodePage932DosMasksLeaveTheDizItemAsItIs)
{
    ASSERT_EQ(::GetOEMCP(), 932u);
    ExpectDizItemUnderDosMasks();
}

// The masks of a user who catalogues source trees: a web page, a Markdown and
// a reStructuredText file and a Rich Text document then give the text they show.
TEST_F(HostRunTest, MarkupMasksImportWebPagesAndMarkdownAsText)
{
    ASSERT_EQ(::GetACP(), 1252u) << "the expected descriptions are for code page 1252";
    ASSERT_TRUE(SettingsRegistry::Write(
        "README.TXT,*.TXT,README.md,*.md,README.rst,*.rst,index.html,*.htm,*.html,README.RTF,*.rtf", 20));
    for (const char* folder : {"web-readme", "markdown-readme", "rst-readme", "rtf-readme"}) {
        const HostRun run = RunHost({"import", SamplesDir() + "\\" + folder});
        EXPECT_EQ(run.exitCode, 0u);
        EXPECT_EQ(run.out, ExpectedDescription(folder) + "\r\n");
    }
}

TEST_F(HostRunTest, ImportWithoutMatchingFileSaysSoAndSucceeds)
{
    const HostRun run = RunHost({"import", SamplesDir() + "\\no-description"});
    EXPECT_EQ(run.exitCode, 0u);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("matches the masks README.TXT;*.TXT"), std::string::npos) << run.err;
}

TEST_F(HostRunTest, InfoAndMasksShowWhatThePluginHandsOver)
{
    const HostRun info = RunHost({"info"});
    EXPECT_EQ(info.exitCode, 0u);
    EXPECT_EQ(info.out,
              "Module:  Zandrel File Import Module\r\nAuthor:  Dravonen\r\nVersion: 0.91\r\n");
    const HostRun masks = RunHost({"masks"});
    EXPECT_EQ(masks.exitCode, 0u);
    EXPECT_EQ(masks.out, "Display name: Zandrel File Import\r\nMasks:        README.TXT;*.TXT\r\n");
}

// Trees made at run time, catalogued: a chain of folders whose deepest one holds
// the only file. Every folder of the chain is an item whose subtree holds that
// file, so each must come out with its description, however deep.
TEST_F(HostRunTest, CatalogReachesEveryItemOfTreesBuiltAtRunTime)
{
    // Thai letters: neither code page 1252 nor 932 can spell them.
    const std::wstring thai = L"\u0E1A\u0E31\u0E19\u0E17\u0E36\u0E01.txt";
    BOOL lossy = FALSE;
    ::WideCharToMultiByte(CP_ACP, 0, thai.c_str(), -1, nullptr, 0, nullptr, &lossy);
    ASSERT_TRUE(lossy);
    const struct {
        const char* what;
        std::size_t folders;
        std::wstring fileName;
        const char* chosen; // by the deepest item; nullptr: the file's short name
    } rows[] = {
        {"a name the code page cannot spell: its short name", 1, thai, nullptr},
        {"an item past 300 bytes", 11, L"README.TXT", "README.TXT"},
        {"a short name past 300 bytes", 11, thai, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const TempDirectory temp;
        std::string chain;
        for (std::size_t i = 0; i < row.folders; ++i) {
            chain += (i == 0 ? "" : "\\") + std::string("folder-with-a-long-name-") +
                     static_cast<char>('a' + i);
        }
        const std::string item = temp.Path().string() + "\\" + chain;
        ASSERT_TRUE(zandrel::test::WriteVerbatimFile(
            zandrel::test::Verbatim(item) + L"\\" + row.fileName, "  Notes of the item \r\n"));
        if (row.folders > 1) {
            ASSERT_GT(item.size() + 1 + 8 + 4, 300u) << "the file's path, even by a short name";
        }

        const HostRun run = RunHost({"--progress", "3600", "catalog", temp.Path().string()});
        EXPECT_EQ(run.exitCode, 0u);
        EXPECT_EQ(run.err, "");
        const Catalog catalog = ParseCatalog(run.out);
        ASSERT_EQ(catalog.blocks.size(), row.folders) << run.out;
        for (const CatalogBlock& block : catalog.blocks) {
            EXPECT_EQ(block.Description(), "Notes of the item") << block.folder;
            EXPECT_EQ(block.header.find('?'), std::string::npos) << block.header;
        }
        EXPECT_EQ(catalog.blocks.back().folder, chain);
        if (row.chosen != nullptr) {
            EXPECT_EQ(catalog.blocks.back().header, row.chosen);
        }
        // The outermost item names the file through the whole chain below it.
        const std::string below = chain.substr(catalog.blocks.front().folder.size());
        EXPECT_EQ(catalog.blocks.front().header,
                  (below.empty() ? "" : below.substr(1) + "\\") + catalog.blocks.back().header);
        const std::string count = std::to_string(row.folders);
        EXPECT_TRUE(std::regex_match(catalog.summary,
                                     std::regex(count + " folders?, " + count +
                                                " descriptions? imported in [0-9]+\\.[0-9]{3} s")))
            << catalog.summary;
    }
}

struct BadInputRow {
    const char* name;
    std::vector<std::string> args;
    DWORD exitCode;
    const char* message; // part of what standard error says
};

TEST(HostBadInput, RefusedWithAMessageAndNonZeroExit)
{
    const BadInputRow rows[] = {
        {"missing_dll",
         {"--dll", "Z:\\nowhere\\ZandrelPlugin.dll", "info"},
         1,
         "no plug-in at Z:\\nowhere\\ZandrelPlugin.dll"},
        {"dll_without_the_exports",
         {"--dll", "C:\\windows\\system32\\version.dll", "info"},
         1,
         "is not a description plug-in: it lacks the exports ImportDesc_ParentItem, "
         "RegisterDescPlugins, ModuleInfo"},
        {"not_a_dll",
         {"--dll", WinePath(ZANDREL_SOURCE_DIR "/samples/crlf-readme/README.TXT"), "info"},
         1,
         "cannot load the plug-in"},
        {"missing_folder", {"catalog", "Z:\\nowhere\\items"}, 1, "no folder Z:\\nowhere\\items"},
        {"file_as_folder",
         {"import", WinePath(ZANDREL_SOURCE_DIR "/samples/crlf-readme/README.TXT")},
         1,
         "is a file, not a folder"},
        {"unknown_command", {"frobnicate"}, 2, "unknown command 'frobnicate'"},
        {"no_command", {}, 2, "no command given"},
        {"import_without_folder", {"import"}, 2, "import wants a folder"},
    };
    for (const BadInputRow& row : rows) {
        SCOPED_TRACE(row.name);
        const HostRun run = RunHost(row.args);
        EXPECT_EQ(run.exitCode, row.exitCode);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("quorbit-host: ", 0), 0u) << run.err;
        EXPECT_NE(run.err.find(row.message), std::string::npos) << run.err;
    }
}

// Run by its own ctest entry with LC_ALL=ja_JP.UTF-8, which gives Wine's
// processes the ANSI code page 932.
using HostRunOnCodePage932 = zandrel::test::OnCodePage932<HostRunTest>;

TEST_F(HostRunOnCodePage932, CatalogIsTheSame)
{
    const HostRun run = RunHost({"--progress", "3600", "catalog", SamplesDir()});
    ExpectCatalogOfSamples(run);
}

} // namespace
} // namespace zandrel::host::test
