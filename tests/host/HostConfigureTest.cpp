// `quorbit-host configure` under Wine and Xvfb: the plug-in's setup dialog
// opens from the host, is driven from here as a user would, and the host
// reports the registration that the dialog's OK made.

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

#include "host/HostProcess.h"
#include "setup/SetupDialogIds.h"
#include "support/SettingsRegistry.h"

namespace zandrel::host::test {
namespace {

using zandrel::test::SettingsRegistry;

struct DialogSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindDialogOf(HWND window, LPARAM param)
{
    auto& search = *reinterpret_cast<DialogSearch*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (owner == search.processId && std::string(className) == "#32770" &&
        ::IsWindowVisible(window)) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

// True once the dialog is the active window and its thread has the focus on
// one of its controls: the activation, which puts the focus on the first tab
// stop, has happened, and will not take back a focus moved after it.
bool Settled(HWND dialog)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &info) &&
           info.hwndActive == dialog && info.hwndFocus != nullptr &&
           ::GetParent(info.hwndFocus) == dialog;
}

// The host's dialog once it is shown and settled; null after 30 s.
HWND WaitForDialog(DWORD processId)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (std::chrono::steady_clock::now() < deadline) {
        DialogSearch search{processId, nullptr};
        ::EnumWindows(FindDialogOf, reinterpret_cast<LPARAM>(&search));
        if (search.found != nullptr && Settled(search.found)) {
            return search.found;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return nullptr;
}

// Ends the host unless it ends by itself within `grace`: a dialog left open
// must fail the test, not hang it.
void EndHost(DWORD processId, DWORD graceMilliseconds = 0)
{
    if (HANDLE process = ::OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId)) {
        if (::WaitForSingleObject(process, graceMilliseconds) == WAIT_TIMEOUT) {
            ADD_FAILURE() << "the host did not end; ended from here";
            ::TerminateProcess(process, 99);
        }
        ::CloseHandle(process);
    }
}

// Runs `configure`, and once the dialog is shown hands it to `drive`.
HostRun Configure(const std::function<void(HWND dialog)>& drive)
{
    return RunHost({"configure"}, [&](DWORD processId) {
        const HWND dialog = WaitForDialog(processId);
        if (dialog == nullptr) {
            ADD_FAILURE() << "the setup dialog did not appear, or never took the focus";
            EndHost(processId);
            return;
        }
        char title[64] = {};
        ::GetWindowTextA(dialog, title, sizeof title);
        EXPECT_STREQ(title, "Zandrel File Plugin 0.90");
        drive(dialog);
        EndHost(processId, 30000);
    });
}

// Sets the mask edit's text in the host's dialog; a dialog that does not
// answer within 10 s fails the test instead of hanging it.
void SetMaskText(HWND dialog, const char* text)
{
    DWORD_PTR result = 0;
    if (::SendMessageTimeoutA(::GetDlgItem(dialog, IDC_MASK_EDIT), WM_SETTEXT, 0,
                              reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 10000,
                              &result) == 0) {
        ADD_FAILURE() << "the host's dialog did not take the mask text";
    }
}

void Post(HWND dialog, int id)
{
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, id)));
}

// No settings in the registry before; those that OK stored are removed after.
class HostConfigureTest : public ::testing::Test {
protected:
    SettingsRegistry settings_;
};

TEST_F(HostConfigureTest, OkPrintsTheNewRegistrationAndTheMasksAreKept)
{
    const HostRun run = Configure([](HWND dialog) {
        // Typed into the mask edit and added, then OK with the focus on it,
        // as a click would leave it. Posted in order; the text is set first.
        SetMaskText(dialog, "*.NFO");
        Post(dialog, IDC_ADD);
        ::PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(dialog, IDOK)),
                       TRUE);
        Post(dialog, IDOK);
    });
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_EQ(run.out, "Registered again after OK:\r\n"
                       "Display name: Zandrel File Import\r\n"
                       "Masks:        README.TXT;*.TXT;*.NFO\r\n");

    // Stored, and a new host process that loads the plug-in afresh gets them.
    EXPECT_EQ(SettingsRegistry::ReadFileMasks(), "README.TXT,*.TXT,*.NFO");
    const HostRun masks = RunHost({"masks"});
    EXPECT_EQ(masks.out,
              "Display name: Zandrel File Import\r\nMasks:        README.TXT;*.TXT;*.NFO\r\n");
}

TEST_F(HostConfigureTest, CancelLeavesTheRegistrationAlone)
{
    const HostRun run = Configure([](HWND dialog) {
        SetMaskText(dialog, "*.NFO");
        Post(dialog, IDC_ADD);
        Post(dialog, IDCANCEL);
    });
    EXPECT_EQ(run.exitCode, 0u) << run.err;
    EXPECT_EQ(run.out, "The setup dialog closed without OK: the registration is unchanged.\r\n");
    EXPECT_FALSE(SettingsRegistry::KeyExists());
    const HostRun masks = RunHost({"masks"});
    EXPECT_EQ(masks.out, "Display name: Zandrel File Import\r\nMasks:        README.TXT;*.TXT\r\n");
}

} // namespace
} // namespace zandrel::host::test
