// The setup dialog as a person uses it, under Wine and Xvfb: the DLL is
// loaded with chosen settings in the registry, the test registers with a
// callback of its own and calls the configuration callback it was handed, as
// the host does. While that call runs the modal dialog on this thread, a
// second thread clicks, types and presses keys through SendInput and checks
// what the dialog shows; afterwards the test checks the registry and its
// registration callback.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "setup/SetupDialogIds.h"
#include "support/DialogDriver.h"
#include "support/PluginLibrary.h"
#include "support/Screenshot.h"
#include "support/SettingsRegistry.h"
#include "support/TempDirectory.h"

namespace zandrel::test {
namespace {

constexpr char DialogClass[] = "#32770";
constexpr char DialogTitle[] = "Zandrel File Plugin 0.90";

// The open dialog, seen from the driving thread.
class Session {
public:
    Session(DialogDriver& driver, HWND dialog) : driver_(driver), dialog_(dialog) {}

    [[nodiscard]] HWND Dialog() const { return dialog_; }
    [[nodiscard]] DialogDriver& Driver() const { return driver_; }
    [[nodiscard]] HWND Item(int id) const { return ::GetDlgItem(dialog_, id); }
    [[nodiscard]] bool Open() const { return ::IsWindow(dialog_) && ::IsWindowVisible(dialog_); }
    [[nodiscard]] bool Enabled(int id) const { return ::IsWindowEnabled(Item(id)) != FALSE; }

    // The controls the enabling rules touch, 1 for enabled: "up down delete add count".
    [[nodiscard]] std::string EnabledStates() const
    {
        std::string states;
        for (const auto& [name, id] : {std::pair{"up", IDC_MOVE_UP},
                                       {"down", IDC_MOVE_DOWN},
                                       {"delete", IDC_DELETE},
                                       {"add", IDC_ADD},
                                       {"count", IDC_LINE_COUNT}}) {
            states += std::string(states.empty() ? "" : " ") + name + (Enabled(id) ? "1" : "0");
        }
        return states;
    }

    [[nodiscard]] std::vector<std::string> Masks() const
    {
        std::vector<std::string> masks;
        const auto count = ::SendMessageA(Item(IDC_MASK_LIST), LB_GETCOUNT, 0, 0);
        for (LRESULT i = 0; i < count; ++i) {
            std::string text(
                static_cast<std::size_t>(::SendMessageA(Item(IDC_MASK_LIST), LB_GETTEXTLEN, i, 0)) +
                    1,
                '\0');
            text.resize(static_cast<std::size_t>(::SendMessageA(
                Item(IDC_MASK_LIST), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()))));
            masks.push_back(text);
        }
        return masks;
    }
    [[nodiscard]] std::string Text(int id) const
    {
        char text[1024] = {};
        ::GetWindowTextA(Item(id), text, sizeof text);
        return text;
    }
    [[nodiscard]] bool Checked() const
    {
        return ::SendMessageA(Item(IDC_LIMIT_CHECK), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    // Drawn as the default button: the style the button was last given.
    [[nodiscard]] bool LooksDefault(int id) const
    {
        return (::GetWindowLongA(Item(id), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    }
    [[nodiscard]] HWND Focus() const
    {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog_, nullptr), &info);
        return info.hwndFocus;
    }

    bool Click(int id) { return driver_.Click(Item(id)); }
    bool ClickEntry(int index)
    {
        RECT item{};
        if (::SendMessageA(Item(IDC_MASK_LIST), LB_GETITEMRECT, static_cast<WPARAM>(index),
                           reinterpret_cast<LPARAM>(&item)) == LB_ERR) {
            return false;
        }
        return driver_.ClickAt(Item(IDC_MASK_LIST), (item.left + item.right) / 2,
                               (item.top + item.bottom) / 2);
    }
    bool Type(const std::string& text) { return driver_.Type(text); }
    bool PressKey(WORD virtualKey) { return driver_.PressKey(virtualKey); }

    // Clicks into the line-count edit, removes what is there and types.
    bool TypeLineCount(const std::string& text)
    {
        bool ok = Click(IDC_LINE_COUNT) && PressKey(VK_END);
        for (int i = 0; ok && i < 12; ++i) {
            ok = PressKey(VK_BACK);
        }
        return ok && Type(text);
    }

    [[nodiscard]] HWND ErrorBox(std::chrono::milliseconds timeout = std::chrono::seconds(60)) const
    {
        return driver_.WaitForWindow(DialogClass, "Error", timeout);
    }

private:
    DialogDriver& driver_;
    HWND dialog_;
};

// The visible children of a window with this class name.
std::vector<HWND> VisibleChildren(HWND parent, const char* className)
{
    std::vector<HWND> found;
    for (HWND child : ChildWindows(parent)) {
        if (::lstrcmpiA(ClassOf(child).c_str(), className) == 0 && ::IsWindowVisible(child)) {
            found.push_back(child);
        }
    }
    return found;
}

std::string WindowText(HWND window)
{
    char text[1024] = {};
    ::GetWindowTextA(window, text, sizeof text);
    return text;
}

// An error box as the user sees it: owned by the dialog, an icon, its text,
// and one button, OK, which the driver then clicks.
void ExpectErrorBoxAndClickOk(Session& s, const std::string& text)
{
    const HWND box = s.ErrorBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(::GetWindow(box, GW_OWNER), s.Dialog());
    std::vector<std::string> texts;
    bool hasIcon = false;
    for (HWND child : VisibleChildren(box, "Static")) {
        if ((::GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            hasIcon = ::SendMessageA(child, STM_GETICON, 0, 0) != 0;
        } else if (!WindowText(child).empty()) {
            texts.push_back(WindowText(child));
        }
    }
    EXPECT_EQ(texts, std::vector<std::string>{text});
    EXPECT_TRUE(hasIcon);
    const std::vector<HWND> buttons = VisibleChildren(box, "Button");
    ASSERT_EQ(buttons.size(), 1u);
    EXPECT_EQ(::GetDlgCtrlID(buttons[0]), IDOK);
    EXPECT_EQ(WindowText(buttons[0]), "OK");
    EXPECT_TRUE(s.Driver().Click(buttons[0]));
    EXPECT_TRUE(DialogDriver::WaitUntil([&] { return !::IsWindow(box); }));
}

// A path callback that always answers with the same file.
struct FixedPath {
    static inline std::string path;
    static const char* __stdcall Resolve(const char* /*name*/) { return path.c_str(); }
};

class SetupDialogTest : public ::testing::Test {
protected:
    void SetUp() override { RegistrationLog::Clear(); }
    void TearDown() override { plugin_.reset(); }

    // Loads the DLL with these stored settings, in a key the user may read but
    // not change if so asked, and registers as the host does.
    void Load(const std::string& fileMasks, std::int32_t limitLines, bool readOnly = false)
    {
        plugin_.reset();
        RegistrationLog::Clear();
        ASSERT_TRUE(SettingsRegistry::Write(fileMasks, limitLines));
        if (readOnly) {
            ASSERT_TRUE(SettingsRegistry::MakeReadOnly(SettingsKey));
        }
        plugin_ = std::make_unique<PluginLibrary>();
        ASSERT_TRUE(plugin_->Loaded());
        plugin_->registerDescPlugins(&RegistrationLog::RecordFirst);
        ASSERT_EQ(RegistrationLog::First().size(), 1u);
        configure_ = RegistrationLog::First()[0].configure;
        ASSERT_NE(configure_, nullptr);
    }

    // Calls the configuration callback on this thread while script drives
    // the dialog from another. Whatever the script leaves open is cancelled.
    // True when the dialog appeared.
    bool RunDialog(const std::function<void(Session&)>& script, HWND owner = nullptr,
                   std::uint32_t actionSlot = 0,
                   std::chrono::milliseconds appearTimeout = std::chrono::seconds(60))
    {
        const DWORD thisThread = ::GetCurrentThreadId();
        std::atomic<bool> appeared{false};
        std::thread driverThread([&] {
            DialogDriver driver(thisThread);
            EXPECT_TRUE(driver.Hooked());
            const HWND dialog = driver.WaitForWindow(DialogClass, DialogTitle, appearTimeout);
            if (dialog == nullptr) {
                return;
            }
            appeared = true;
            Session session(driver, dialog);
            script(session);
            CloseWhateverIsOpen(driver, dialog);
        });
        RegistrationLog::InsideConfigure() = true;
        configure_(0x12345678, owner, actionSlot);
        RegistrationLog::InsideConfigure() = false;
        driverThread.join();
        return appeared;
    }

    static void CloseWhateverIsOpen(DialogDriver& driver, HWND dialog)
    {
        DialogDriver::WaitUntil([&] {
            if (HWND box = driver.FindThreadWindow(DialogClass, "Error")) {
                ::PostMessageA(box, WM_COMMAND, IDOK, 0);
            } else if (::IsWindow(dialog) && ::IsWindowVisible(dialog)) {
                ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            return !::IsWindowVisible(dialog);
        });
    }

    // The registrations made while the test was inside the configuration callback.
    static int RegistrationsDuringConfigure(const std::vector<Registration>& calls)
    {
        int count = 0;
        for (const Registration& call : calls) {
            count += call.duringConfigure ? 1 : 0;
        }
        return count;
    }

    SettingsRegistry registry_; // keys deleted now and at the end
    std::unique_ptr<PluginLibrary> plugin_;
    ConfigureProc configure_ = nullptr;
};

TEST_F(SetupDialogTest, OpensCentredModalAndOwnedShowingTheStoredSettings)
{
    Load("", 20); // an empty mask list, limit on, 20 lines
    HWND owner = ::CreateWindowExA(0, "STATIC", "Host stand-in", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                   0, 0, 320, 200, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    std::atomic<bool> closing{false};
    HWND seenDialog = nullptr;
    const bool appeared = RunDialog(
        [&](Session& s) {
            seenDialog = s.Dialog();
            EXPECT_EQ(::GetWindow(s.Dialog(), GW_OWNER), owner);
            EXPECT_FALSE(::IsWindowEnabled(owner))
                << "the owner is disabled while the modal dialog runs";

            RECT desktop{};
            RECT own{};
            ::GetWindowRect(::GetDesktopWindow(), &desktop);
            ::GetWindowRect(s.Dialog(), &own);
            const int width = own.right - own.left;
            const int height = own.bottom - own.top;
            EXPECT_EQ(own.left, (desktop.right - desktop.left - width) / 2);
            EXPECT_EQ(own.top, (desktop.bottom - desktop.top - height) / 2);
            EXPECT_GT(own.left, 100); // far from the template's position

            EXPECT_TRUE(s.Masks().empty());
            EXPECT_TRUE(s.Checked());
            EXPECT_EQ(s.Text(IDC_LINE_COUNT), "20");
            EXPECT_EQ(s.EnabledStates(), "up0 down0 delete0 add0 count1");
            // Activation puts the focus on the first tab stop, the mask edit,
            // and with it Add is drawn as the default (disabled while empty).
            EXPECT_EQ(s.Focus(), s.Item(IDC_MASK_EDIT));
            EXPECT_TRUE(s.LooksDefault(IDC_ADD));
            EXPECT_FALSE(s.LooksDefault(IDOK));

            closing = true;
            EXPECT_TRUE(s.PressKey(VK_ESCAPE)); // reaches the dialog as Cancel
            EXPECT_TRUE(DialogDriver::WaitUntil([&] { return !s.Open(); }));
        },
        owner);
    ASSERT_TRUE(appeared);
    EXPECT_TRUE(closing) << "ConfigureDescPlugin returned while the dialog was open";
    EXPECT_FALSE(::IsWindow(seenDialog));
    EXPECT_TRUE(::IsWindowEnabled(owner));
    ::DestroyWindow(owner);

    EXPECT_EQ(RegistrationLog::First().size(), 1u) << "Cancel does not register";
    EXPECT_EQ(SettingsRegistry::ReadFileMasks(), "");
    EXPECT_EQ(SettingsRegistry::ReadLimitLines(), 20);
}

TEST_F(SetupDialogTest, AddingAndMovingMasksThenOkSavesAndRegistersThroughTheLatestCallback)
{
    static const std::string LongMask = "   " + std::string(37, 'm');
    // Longer than the dialog's 255-character buffers: moved and saved whole.
    static const std::string StoredMask = std::string(300, 'L') + ".TXT";
    Load("one," + StoredMask, 20);
    // The host registered again with another callback: OK must use that one.
    plugin_->registerDescPlugins(&RegistrationLog::RecordSecond);
    ASSERT_EQ(RegistrationLog::Second().size(), 1u);

    ASSERT_TRUE(RunDialog([](Session& s) {
        EXPECT_TRUE(s.ClickEntry(0));
        EXPECT_TRUE(s.Click(IDC_MASK_EDIT));
        EXPECT_EQ(s.Focus(), s.Item(IDC_MASK_EDIT));
        EXPECT_TRUE(s.LooksDefault(IDC_ADD))
            << "Add looks like the default while the mask edit has the focus";
        EXPECT_FALSE(s.LooksDefault(IDOK));
        EXPECT_FALSE(s.Enabled(IDC_ADD));

        EXPECT_TRUE(s.Type("t"));
        EXPECT_TRUE(s.Enabled(IDC_ADD)) << "one character enables Add";
        EXPECT_TRUE(s.Type("wo"));
        EXPECT_TRUE(s.Click(IDC_ADD));
        EXPECT_EQ(s.Masks(), (std::vector<std::string>{"one", StoredMask, "two"}));
        EXPECT_EQ(s.Text(IDC_MASK_EDIT), "");
        EXPECT_EQ(s.Focus(), s.Item(IDC_MASK_EDIT));
        EXPECT_FALSE(s.Enabled(IDC_ADD));

        // Enter in the mask edit adds what was typed, spaces and all; typing
        // goes on past the box's visible width (about 25 characters).
        EXPECT_TRUE(s.Type(LongMask));
        EXPECT_EQ(s.Text(IDC_MASK_EDIT), LongMask);
        EXPECT_TRUE(s.PressKey(VK_RETURN));
        EXPECT_TRUE(s.Open());
        EXPECT_EQ(s.Masks(), (std::vector<std::string>{"one", StoredMask, "two", LongMask}));
        EXPECT_EQ(s.Text(IDC_MASK_EDIT), "");

        // Enter in the empty mask edit does nothing: no empty entry, still open.
        EXPECT_TRUE(s.PressKey(VK_RETURN));
        EXPECT_TRUE(s.Open());
        EXPECT_EQ(s.Masks().size(), 4u);

        // The focus leaves the edit: OK looks like the default again.
        EXPECT_TRUE(s.ClickEntry(1));
        EXPECT_TRUE(s.LooksDefault(IDOK));
        EXPECT_FALSE(s.LooksDefault(IDC_ADD));
        EXPECT_TRUE(s.Click(IDC_MOVE_UP));
        EXPECT_EQ(s.Masks(), (std::vector<std::string>{StoredMask, "one", "two", LongMask}));

        EXPECT_TRUE(s.TypeLineCount("$FF"));
        EXPECT_TRUE(s.Click(IDOK));
        EXPECT_TRUE(DialogDriver::WaitUntil([&] { return !s.Open(); }));
    }));

    ASSERT_EQ(RegistrationLog::Second().size(), 2u);
    const Registration& again = RegistrationLog::Second()[1];
    EXPECT_TRUE(again.duringConfigure) << "registered before ConfigureDescPlugin returned";
    EXPECT_EQ(again.zero, 0);
    EXPECT_EQ(again.two, 2);
    EXPECT_EQ(again.displayName, "Zandrel File Import");
    EXPECT_EQ(again.masks, StoredMask + ";one;two;" + LongMask);
    EXPECT_EQ(RegistrationLog::First().size(), 1u) << "the replaced callback is not called";
    EXPECT_EQ(SettingsRegistry::ReadFileMasks(), StoredMask + ",one,two,\"" + LongMask + "\"");
    EXPECT_EQ(SettingsRegistry::ReadLimitLines(), 255);
}

TEST_F(SetupDialogTest, RefusedLineCountsShowAnErrorBoxAndCancelAfterThemChangesNothing)
{
    Load("*.TXT", -20); // limit off, 20 lines
    ASSERT_TRUE(RunDialog([](Session& s) {
        EXPECT_FALSE(s.Checked());
        EXPECT_FALSE(s.Enabled(IDC_LINE_COUNT));
        EXPECT_TRUE(s.Click(IDC_MASK_EDIT));
        EXPECT_TRUE(s.Type("new"));
        EXPECT_TRUE(s.Click(IDC_ADD));
        // The check box toggles itself and the line-count edit follows it.
        EXPECT_TRUE(s.Click(IDC_LIMIT_CHECK));
        EXPECT_TRUE(s.Checked());
        EXPECT_TRUE(s.Enabled(IDC_LINE_COUNT));

        // Letters are accepted, three characters at most.
        EXPECT_TRUE(s.TypeLineCount("abcd"));
        EXPECT_EQ(s.Text(IDC_LINE_COUNT), "abc");
        for (int refused = 0; refused < 2; ++refused) {
            EXPECT_TRUE(s.Click(IDOK));
            ExpectErrorBoxAndClickOk(s, "\"" + s.Text(IDC_LINE_COUNT) +
                                            "\" is not a valid integer value.");
            EXPECT_TRUE(s.Open()) << "the dialog stays open after a refused OK";
            EXPECT_EQ(s.Text(IDC_LINE_COUNT), "20");
            EXPECT_TRUE(s.TypeLineCount("x"));
        }
        EXPECT_TRUE(s.Click(IDCANCEL));
        EXPECT_TRUE(DialogDriver::WaitUntil([&] { return !s.Open(); }));
    }));
    // Neither saved nor registered, and the settings in force are those the
    // dialog opened with, as the next registration and an import show.
    EXPECT_EQ(RegistrationLog::First().size(), 1u);
    EXPECT_EQ(SettingsRegistry::ReadFileMasks(), "*.TXT");
    EXPECT_EQ(SettingsRegistry::ReadLimitLines(), -20);
    plugin_->registerDescPlugins(&RegistrationLog::RecordSecond);
    ASSERT_EQ(RegistrationLog::Second().size(), 1u);
    EXPECT_EQ(RegistrationLog::Second()[0].masks, "*.TXT");
    std::string thirtyLines;
    for (int i = 1; i <= 30; ++i) {
        thirtyLines += "line " + std::to_string(i) + "\r\n";
    }
    const TempDirectory directory;
    FixedPath::path = directory.Write("file.txt", thirtyLines);
    char description[8192] = {};
    EXPECT_TRUE(plugin_->importDesc(0, 0, "A.TXT\0", description, &FixedPath::Resolve));
    const std::string text = description;
    EXPECT_EQ(text.substr(text.rfind('\n') + 1), "line 30") << "the limit stays off";
}

TEST_F(SetupDialogTest, ASettingsKeyThatCannotBeChangedIsReadAndAFailedSaveIsTold)
{
    Load("*.TXT", 20, /*readOnly=*/true);
    ASSERT_TRUE(RunDialog([](Session& s) {
        EXPECT_EQ(s.Masks(), std::vector<std::string>{"*.TXT"}) << "read, not the defaults";
        EXPECT_TRUE(s.Click(IDC_MASK_EDIT));
        EXPECT_TRUE(s.Type("new"));
        EXPECT_TRUE(s.Click(IDC_ADD));
        EXPECT_TRUE(s.Click(IDOK));
        ExpectErrorBoxAndClickOk(
            s, "The settings could not be saved. They apply until Quorbit is closed.");
        EXPECT_TRUE(DialogDriver::WaitUntil([&] { return !s.Open(); }))
            << "the dialog closes once the box is gone";
    }));
    // Registered with the new masks all the same; the key is as it was.
    ASSERT_EQ(RegistrationLog::First().size(), 2u);
    EXPECT_TRUE(RegistrationLog::First()[1].duringConfigure);
    EXPECT_EQ(RegistrationLog::First()[1].masks, "*.TXT;new");
    EXPECT_EQ(SettingsRegistry::ReadFileMasks(), "*.TXT");
    EXPECT_EQ(SettingsRegistry::ReadLimitLines(), 20);
}

TEST_F(SetupDialogTest, StoredLimitLongerThanTheTypingLimitIsShownAndKeptWhole)
{
    Load("*.TXT", -1000);
    ASSERT_TRUE(RunDialog([](Session& s) {
        EXPECT_EQ(s.Text(IDC_LINE_COUNT), "1000");
        EXPECT_FALSE(s.Checked());
        EXPECT_TRUE(s.Click(IDOK));
        EXPECT_TRUE(DialogDriver::WaitUntil([&] { return !s.Open(); }));
    }));
    EXPECT_EQ(SettingsRegistry::ReadLimitLines(), -1000);
}

TEST_F(SetupDialogTest, OnlyActionZeroInTheLowHalfOpensTheDialog)
{
    const struct {
        std::uint32_t actionSlot;
        bool opens;
    } rows[] = {{1, false}, {0x00010001, false}, {0xFFFF, false}, {0x00010000, true}};
    Load("*.TXT", 20);
    for (const auto& row : rows) {
        SCOPED_TRACE("action slot " + std::to_string(row.actionSlot));
        const bool appeared =
            RunDialog([](Session&) {}, nullptr, row.actionSlot,
                      row.opens ? std::chrono::seconds(60) : std::chrono::seconds(2));
        EXPECT_EQ(appeared, row.opens);
    }
    EXPECT_EQ(RegistrationLog::First().size(), 1u);
}

TEST_F(SetupDialogTest, Screenshot)
{
    Load("README.TXT,*.TXT,*.NFO", 20);
    Screenshot shot;
    ASSERT_TRUE(RunDialog([&](Session& s) {
        EXPECT_TRUE(s.ClickEntry(1));
        std::this_thread::sleep_for(std::chrono::milliseconds(300)); // let every control paint
        shot = Screenshot::Of(s.Dialog());
        EXPECT_TRUE(s.Click(IDCANCEL));
    }));
    ASSERT_GT(shot.width, 200);
    ASSERT_GT(shot.height, 200);
    EXPECT_GE(shot.DistinctColours(), 4u) << "the picture is blank";
    // In the build directory; scripts/screenshot.sh makes the picture in docs/ from it.
    EXPECT_TRUE(shot.SaveBmp("setup-dialog.bmp"));
}

} // namespace
} // namespace zandrel::test
