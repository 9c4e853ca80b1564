#include "platform/AdvapiRegistry.h"
#include "settings/SettingsStore.h"

namespace zandrel {

void LoadSettings() noexcept
{
    LoadSettings(AdvapiRegistry(), Settings());
}

bool SaveSettings() noexcept
{
    return SaveSettings(AdvapiRegistry(), Settings());
}

} // namespace zandrel
