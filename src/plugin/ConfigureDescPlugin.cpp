#include "plugin/ConfigureDescPlugin.h"

#include <windows.h>

#include "plugin/LibraryModule.h"
#include "setup/SetupDialogProc.h"

namespace zandrel {

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
        ::DialogBoxParamA(LibraryModule(), "ZandrelSetupDialog", ownerWindow, SetupDialogProc, 0);
    } catch (...) {
    }
}

} // namespace zandrel
