#include "import/ImportDescription.h"
#include "import/WindowsFileSource.h"
#include "settings/SettingsRecord.h"

namespace zandrel {

void ImportDescription(const char* names, char* description, ResolvePathProc resolvePath)
{
    WindowsFileSource source;
    const SettingsRecord& settings = Settings();
    ImportDescription(names, description, resolvePath, source,
                      LineLimit{settings.limitFlag, settings.lineLimit});
}

} // namespace zandrel
