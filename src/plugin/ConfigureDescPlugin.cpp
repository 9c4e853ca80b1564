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
    // created simply returns.
    ::DialogBoxParamA(LibraryModule(), "ZandrelSetupDialog", ownerWindow, SetupDialogProc, 0);
}

} // namespace zandrel
