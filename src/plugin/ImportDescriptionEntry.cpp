// The entry the export calls: the platform's file source and the settings
// record's limit.

#include "plugin/ImportDescriptionEntry.h"

#include "import/ImportDescription.h"
#include "platform/PlatformFileSource.h"
#include "settings/SettingsRecord.h"

namespace zandrel {

void ImportDescription(const char* names, char* description, ResolvePathProc resolvePath)
{
    PlatformFileSource source;
    const SettingsRecord& settings = Settings();
    ImportDescription(names, description, resolvePath, source,
                      LineLimit{settings.limitFlag, settings.lineLimit});
}

} // namespace zandrel
