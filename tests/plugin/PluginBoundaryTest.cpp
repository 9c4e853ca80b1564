// The DLL as the host uses it, under Wine: loaded with LoadLibrary, its
// exports found by name and by ordinal, callbacks of the test's own, settings
// chosen by writing the registry before each load.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/HostBuffer.h"
#include "support/PathCallback.h"
#include "support/PluginLibrary.h"
#include "support/SettingsRegistry.h"
#include "support/TempDirectory.h"
#include "support/TextPieces.h"

namespace zandrel::test {
namespace {

constexpr char OneName[] = "NOTES.TXT\0";

class PluginBoundaryTest : public ::testing::Test {
protected:
    void SetUp() override { RegistrationLog::Clear(); }

    // Registers through the first logging callback and returns the masks.
    static std::string RegisteredMasks(PluginLibrary& plugin)
    {
        RegistrationLog::First().clear();
        plugin.registerDescPlugins(&RegistrationLog::RecordFirst);
        return RegistrationLog::First().size() == 1 ? RegistrationLog::First()[0].masks
                                                    : "<not registered once>";
    }

    static std::string Import(PluginLibrary& plugin, const std::string& path)
    {
        PathCallback::Answer(path);
        HostBuffer description;
        EXPECT_TRUE(plugin.importDesc(0, 0, OneName, description.data(), &PathCallback::Resolve));
        return description.Text();
    }

    SettingsRegistry registry_; // keys deleted now and at the end
    const TempDirectory directory_;
    const std::string threeLines_ = directory_.Write("three.txt", "one\r\ntwo\r\nthree\r\n");
};

TEST_F(PluginBoundaryTest, ExportsByNameAndByOrdinal)
{
    PluginLibrary plugin;
    ASSERT_TRUE(plugin.Loaded());
    EXPECT_EQ(plugin.Export(MAKEINTRESOURCEA(1)), plugin.Export("ImportDesc_ParentItem"));
    EXPECT_EQ(plugin.Export(MAKEINTRESOURCEA(2)), plugin.Export("RegisterDescPlugins"));
    EXPECT_EQ(plugin.Export(MAKEINTRESOURCEA(3)), plugin.Export("ModuleInfo"));
    EXPECT_EQ(plugin.Export(MAKEINTRESOURCEA(4)), nullptr);
    EXPECT_EQ(plugin.Export("ConfigureDescPlugin"), nullptr);
    EXPECT_EQ(plugin.Export("DllMain"), nullptr);
}

TEST_F(PluginBoundaryTest, ModuleInfoWritesTheThreeTextsAndReturnsTheThird)
{
    PluginLibrary plugin;
    ASSERT_TRUE(plugin.Loaded());
    for (int round = 0; round < 2; ++round) { // any number of times
        char moduleText[64];
        char authorText[64];
        char versionText[64];
        std::memset(moduleText, '#', sizeof moduleText);
        std::memset(authorText, '#', sizeof authorText);
        std::memset(versionText, '#', sizeof versionText);
        EXPECT_EQ(plugin.moduleInfo(moduleText, authorText, versionText), versionText);
        EXPECT_STREQ(moduleText, "Zandrel File Import Module");
        EXPECT_STREQ(authorText, "Dravonen");
        EXPECT_STREQ(versionText, "0.91");
        // Nothing past each terminating zero.
        EXPECT_EQ(moduleText[27], '#');
        EXPECT_EQ(authorText[9], '#');
        EXPECT_EQ(versionText[5], '#');
    }
}

TEST_F(PluginBoundaryTest, WithoutKeysRegistersTheDefaultsAndLeavesTheRegistryAlone)
{
    {
        PluginLibrary plugin;
        ASSERT_TRUE(plugin.Loaded());
        plugin.registerDescPlugins(&RegistrationLog::RecordFirst);
        ExpectDefaultRegistration(RegistrationLog::First());
    }
    // Neither the load nor the unload wrote anything.
    EXPECT_FALSE(SettingsRegistry::KeyExists());
}

TEST_F(PluginBoundaryTest, EachRegistrationCallsItsOwnCallbackOnceWithZeroAndTwo)
{
    PluginLibrary plugin;
    ASSERT_TRUE(plugin.Loaded());
    plugin.registerDescPlugins(&RegistrationLog::RecordFirst);
    plugin.registerDescPlugins(&RegistrationLog::RecordSecond);
    plugin.registerDescPlugins(&RegistrationLog::RecordSecond);
    ASSERT_EQ(RegistrationLog::First().size(), 1u);
    ASSERT_EQ(RegistrationLog::Second().size(), 2u);
    for (const auto* calls : {&RegistrationLog::First(), &RegistrationLog::Second()}) {
        for (const Registration& call : *calls) {
            EXPECT_EQ(call.zero, 0);
            EXPECT_EQ(call.two, 2);
            EXPECT_EQ(call.displayName, "Zandrel File Import");
            EXPECT_EQ(call.configure, RegistrationLog::First()[0].configure);
        }
    }
}

TEST_F(PluginBoundaryTest, JoinedMasksFromStoredSettings)
{
    const struct {
        const char* fileMasks; // as stored
        const char* joined;    // as registered
    } rows[] = {
        {"README.TXT,*.TXT", "README.TXT;*.TXT"},
        {"*.TXT", "*.TXT"},
        {"", ""},
        {"a,,b", "a;;b"},
        {",a", ";a"},
        {"\"\"", ""},           // one empty entry
        {"\"x;y\",z", "x;y;z"}, // an entry with ';' reaches the host as two masks
        {"\"My Notes.txt\",*.NFO", "My Notes.txt;*.NFO"},
    };
    for (const auto& row : rows) {
        ASSERT_TRUE(SettingsRegistry::Write(row.fileMasks, 20));
        PluginLibrary plugin;
        ASSERT_TRUE(plugin.Loaded());
        EXPECT_EQ(RegisteredMasks(plugin), row.joined) << "FileMasks " << row.fileMasks;
    }
}

TEST_F(PluginBoundaryTest, SettingsAreReadAtLoadAndOnlyThen)
{
    ASSERT_TRUE(SettingsRegistry::Write("a,b", 1));
    PluginLibrary plugin;
    ASSERT_TRUE(plugin.Loaded());
    EXPECT_EQ(RegisteredMasks(plugin), "a;b");
    EXPECT_EQ(Import(plugin, threeLines_), "one");

    // Changed while loaded: nothing of it shows.
    ASSERT_TRUE(SettingsRegistry::Write("c", -1)); // flag clear
    EXPECT_EQ(RegisteredMasks(plugin), "a;b");
    EXPECT_EQ(Import(plugin, threeLines_), "one");

    plugin.Unload();
    EXPECT_EQ(::GetModuleHandleA(PluginModuleName), nullptr);

    PluginLibrary reloaded;
    ASSERT_TRUE(reloaded.Loaded());
    EXPECT_EQ(RegisteredMasks(reloaded), "c");
    EXPECT_EQ(Import(reloaded, threeLines_), "one\r\ntwo\r\nthree");
    // Nothing was written back at either unload.
    EXPECT_EQ(SettingsRegistry::ReadFileMasks(), "c");
    EXPECT_EQ(SettingsRegistry::ReadLimitLines(), -1);
}

TEST_F(PluginBoundaryTest, ImportBeforeAnyRegistrationUsesTheLoadedSettings)
{
    ASSERT_TRUE(SettingsRegistry::Write("*.TXT", 2));
    PluginLibrary plugin;
    ASSERT_TRUE(plugin.Loaded());
    EXPECT_EQ(Import(plugin, threeLines_), "one\r\ntwo");
    EXPECT_EQ(RegisteredMasks(plugin), "*.TXT");
    EXPECT_EQ(Import(plugin, threeLines_), "one\r\ntwo");
}

TEST_F(PluginBoundaryTest, ActionSlotAndNamesDecideWhetherTheImportRuns)
{
    const TempDirectory directory;
    const std::string file = directory.Write("file.txt", "  Hello  \r\n\r\n\r\nWorld \n");
    const struct {
        std::uint32_t actionSlot;
        bool nullNames;
        int pathCalls;
        const char* description;
    } rows[] = {
        {0, false, 1, "Hello\r\nWorld"},
        {0x00010000, false, 1, "Hello\r\nWorld"}, // only the low 16 bits are Action
        {0xFFFF0000, false, 1, "Hello\r\nWorld"},
        {1, false, 0, ""},
        {0x00010001, false, 0, ""},
        {0xFFFF, false, 0, ""},
        {0, true, 0, ""},
    };
    PluginLibrary plugin;
    ASSERT_TRUE(plugin.Loaded());
    for (const auto& row : rows) {
        PathCallback::Answer(file);
        HostBuffer description;
        const bool result =
            plugin.importDesc(row.actionSlot, 0xDEADBEEF, row.nullNames ? nullptr : OneName,
                              description.data(), &PathCallback::Resolve);
        SCOPED_TRACE("action slot " + std::to_string(row.actionSlot) +
                     (row.nullNames ? ", null names" : ""));
        EXPECT_TRUE(result);
        EXPECT_EQ(PathCallback::calls, row.pathCalls);
        EXPECT_EQ(description.Text(), row.description);
        if (row.pathCalls == 1) {
            EXPECT_STREQ(PathCallback::askedName, "NOTES.TXT");
        }
    }
}

TEST_F(PluginBoundaryTest, NoPathGivesTheEmptyDescriptionAndTrue)
{
    PluginLibrary plugin;
    ASSERT_TRUE(plugin.Loaded());
    for (const bool answerNull : {false, true}) {
        PathCallback::Answer(answerNull ? nullptr : "");
        HostBuffer description;
        EXPECT_TRUE(plugin.importDesc(0, 0, OneName, description.data(), &PathCallback::Resolve));
        EXPECT_EQ(PathCallback::calls, 1);
        EXPECT_EQ(description.Text(), "");
    }
    // A file that does not exist.
    PathCallback::Answer("C:\\no such directory\\no such file.txt");
    HostBuffer description;
    EXPECT_TRUE(plugin.importDesc(0, 0, OneName, description.data(), &PathCallback::Resolve));
    EXPECT_EQ(description.Text(), "");
}

TEST_F(PluginBoundaryTest, NullDescriptionWritesNothingAndAnswersFalse)
{
    PluginLibrary plugin;
    ASSERT_TRUE(plugin.Loaded());
    PathCallback::Answer("C:\\unused.txt");
    // Only the low byte of the result is defined.
    using RawImportProc = std::uint32_t(__stdcall*)(std::uint32_t, std::uint32_t, const char*,
                                                    char*, ResolvePathProc);
    const auto raw = FunctionCast<RawImportProc>(plugin.importDesc);
    EXPECT_EQ(raw(0, 0, OneName, nullptr, &PathCallback::Resolve) & 0xFF, 0u);
    EXPECT_EQ(PathCallback::calls, 0);
    HostBuffer description;
    PathCallback::Answer("");
    EXPECT_EQ(raw(0, 0, OneName, description.data(), &PathCallback::Resolve) & 0xFF, 1u);
}

TEST_F(PluginBoundaryTest, LongestDescriptionStaysInsideTheBoundedBuffer)
{
    // CR LF for every LF would make 6,142 bytes.
    const TempDirectory directory;
    const std::string file = directory.Write("file.txt", WorstCaseText());
    ASSERT_TRUE(SettingsRegistry::Write("*.TXT", -20)); // no line limit
    PluginLibrary plugin;
    ASSERT_TRUE(plugin.Loaded());
    PathCallback::Answer(file);
    HostBuffer description;
    EXPECT_TRUE(plugin.importDesc(0, 0, OneName, description.data(), &PathCallback::Resolve));
    const std::string result = description.Text();
    EXPECT_LE(result.size(), 4095u);
    EXPECT_EQ(result.substr(0, 5), "a\r\na\r");
    EXPECT_TRUE(description.SentinelsFrom(DescriptionCapacity));
}

} // namespace
} // namespace zandrel::test
