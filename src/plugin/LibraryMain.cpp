// Library start and stop. The settings are read here, at process attach, and
// at no other time.
#include <windows.h>

#include "platform/CodePageFacts.h"
#include "plugin/LibraryModule.h"
#include "settings/SettingsRecord.h"
#include "settings/SettingsStore.h"

namespace zandrel {
namespace {

HMODULE libraryModule = nullptr;

void AttachProcess(HMODULE module) noexcept
{
    libraryModule = module;
    InitCodePageFacts();
    Settings().maskList.Clear();
    LoadSettings(); // absorbs every registry failure
}

void DetachProcess() noexcept
{
    // Nothing is written at unload.
    Settings().maskList.Release();
}

} // namespace

HMODULE LibraryModule() noexcept
{
    return libraryModule;
}

} // namespace zandrel

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/)
{
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        zandrel::AttachProcess(instance);
        break;
    case DLL_PROCESS_DETACH:
        zandrel::DetachProcess();
        break;
    default:
        break; // thread attach and detach: nothing of ours runs
    }
    return TRUE; // loading never fails on our account
}
