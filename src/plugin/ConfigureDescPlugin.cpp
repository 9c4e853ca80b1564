#include "plugin/ConfigureDescPlugin.h"

#include <windows.h>

#include "plugin/HostRegistration.h"
#include "plugin/LibraryModule.h"
#include "plugin/ZandrelPlugin.h"
#include "settings/SettingsRecord.h"
#include "settings/SettingsStore.h"
#include "setup/SetupDialogProc.h"

namespace zandrel {
namespace {

// The accepted OK: the record the dialog wrote is stored, and the host learns
// the new masks at once, re-entering its registration callback.
void SaveAndRegister() noexcept
{
    SaveSettings();
    RegisterDescPlugins(HostRegisterProc);
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
        SetupDialogContext context{Settings(), SaveAndRegister};
        ::DialogBoxParamA(LibraryModule(), "ZandrelSetupDialog", ownerWindow, SetupDialogProc,
                          reinterpret_cast<LPARAM>(&context));
    } catch (...) {
    }
}

} // namespace zandrel
