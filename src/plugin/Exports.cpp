// The three exports. Each is a firewall: noexcept, and nothing that goes wrong
// inside reaches the host.
#include <cstring>
#include <string>

#include "plugin/ConfigureDescPlugin.h"
#include "plugin/HostRegistration.h"
#include "plugin/ImportDescriptionEntry.h"
#include "plugin/JoinMaskList.h"
#include "plugin/PluginVersion.h"
#include "plugin/ZandrelPlugin.h"
#include "settings/SettingsRecord.h"

namespace zandrel {

DescRegisterProc HostRegisterProc = nullptr;

namespace {

constexpr char ModuleText[] = "Zandrel File Import Module";
constexpr char AuthorText[] = "Dravonen";
constexpr char VersionText[] = ZANDREL_VERSION_TEXT;

void CopyText(char* destination, const char* text) noexcept
{
    if (destination != nullptr) {
        std::strcpy(destination, text);
    }
}

} // namespace
} // namespace zandrel

extern "C" {

bool ZANDREL_STDCALL ImportDesc_ParentItem(std::uint16_t action, std::uint32_t /*reserved*/,
                                           const char* names, char* description,
                                           zandrel::ResolvePathProc resolvePath) noexcept
{
    if (description == nullptr) {
        return false;
    }
    description[0] = '\0';
    if (action == 0 && names != nullptr && resolvePath != nullptr) {
        try {
            zandrel::ImportDescription(names, description, resolvePath);
        } catch (...) {
            description[0] = '\0';
        }
    }
    return true;
}

void ZANDREL_STDCALL RegisterDescPlugins(zandrel::DescRegisterProc registerProc) noexcept
{
    zandrel::HostRegisterProc = registerProc;
    if (registerProc == nullptr) {
        return;
    }
    try {
        // Valid only during the call: the host copies what it keeps.
        const std::string masks = zandrel::JoinMaskList(zandrel::Settings().maskList);
        registerProc(0, 2, zandrel::DisplayName, masks.c_str(), zandrel::ConfigureDescPlugin);
    } catch (...) {
        // A registration that cannot be built is not made; nothing is reported.
    }
}

char* ZANDREL_STDCALL ModuleInfo(char* moduleText, char* authorText, char* versionText) noexcept
{
    zandrel::CopyText(moduleText, zandrel::ModuleText);
    zandrel::CopyText(authorText, zandrel::AuthorText);
    zandrel::CopyText(versionText, zandrel::VersionText);
    return versionText;
}

} // extern "C"
