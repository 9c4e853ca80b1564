#include "plugin/ConfigureDescPlugin.h"

#include <windows.h>

#include <type_traits>
#include <utility>

#include "plugin/HostRegistration.h"
#include "plugin/LibraryModule.h"
#include "plugin/ZandrelPlugin.h"
#include "settings/SettingsRecord.h"
#include "settings/SettingsStore.h"
#include "setup/SetupDialogProc.h"

namespace zandrel {
namespace {

// The accepted OK: the dialog's copy becomes the library's record (a move,
// which cannot fail), is stored, and the host learns the new masks at once,
// re-entering its registration callback. Saved or not, the settings apply.
static_assert(std::is_nothrow_move_assignable_v<SettingsRecord>);
bool CommitSaveAndRegister(SettingsRecord& accepted) noexcept
{
    Settings() = std::move(accepted);
    const bool saved = SaveSettings();
    RegisterDescPlugins(HostRegisterProc);
    return saved;
}

} // namespace

void ZANDREL_STDCALL ConfigureDescPlugin(std::uint32_t /*reserved*/, HWND ownerWindow,
                                         std::uint16_t action) noexcept
{
    if (action != 0) {
        return;
    }
    // The dialog's result is always 0 and not used; a dialog that cannot be
    // created simply returns. SetupDialogProc stops its own failures; the
    // catch-all keeps this callback a firewall like the exports.
    try {
        SetupDialogContext context{Settings(), CommitSaveAndRegister};
        ::DialogBoxParamA(LibraryModule(), "ZandrelSetupDialog", ownerWindow, SetupDialogProc,
                          reinterpret_cast<LPARAM>(&context));
    } catch (...) {
    }
}

} // namespace zandrel
