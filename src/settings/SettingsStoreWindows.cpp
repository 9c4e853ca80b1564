#include "platform/AdvapiRegistry.h"
#include "settings/SettingsStore.h"

namespace zandrel {

void LoadSettings() noexcept
{
    LoadSettings(AdvapiRegistry(), Settings());
}

void SaveSettings() noexcept
{
    SaveSettings(AdvapiRegistry(), Settings());
}

} // namespace zandrel
