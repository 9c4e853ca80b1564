#pragma once
// The plug-in DLL, loaded the way Quorbit loads it: LoadLibrary, then the
// three exports by name.

#include <windows.h>

#include <cstdint>
#include <string>

#include "base/HostInterface.h"
#include "platform/HandleOwners.h"

namespace zandrel::host {

using ImportDescParentItemProc = bool(ZANDREL_STDCALL*)(std::uint16_t action,
                                                        std::uint32_t reserved, const char* names,
                                                        char* description,
                                                        ResolvePathProc resolvePath);
using RegisterDescPluginsProc = void(ZANDREL_STDCALL*)(DescRegisterProc registerProc);
using ModuleInfoProc = char*(ZANDREL_STDCALL*)(char* moduleText, char* authorText,
                                               char* versionText);

class PluginLibrary {
public:
    // Throws HostError when the file is missing, does not load, or lacks an export.
    explicit PluginLibrary(const std::string& path);
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    [[nodiscard]] const std::string& Path() const noexcept { return path_; }

    ImportDescParentItemProc importDescParentItem = nullptr;
    RegisterDescPluginsProc registerDescPlugins = nullptr;
    ModuleInfoProc moduleInfo = nullptr;

private:
    std::string path_;
    UniqueModule module_;
};

// The text of a Windows error code, without the line break Windows appends.
[[nodiscard]] std::string WindowsErrorText(DWORD error);

// ZandrelPlugin.dll in the folder of this program.
[[nodiscard]] std::string DefaultPluginPath();

} // namespace zandrel::host
