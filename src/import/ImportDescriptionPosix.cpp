#include "import/ImportDescription.h"
#include "import/PosixFileSource.h"
#include "settings/SettingsRecord.h"

namespace zandrel {

void ImportDescription(const char* names, char* description, ResolvePathProc resolvePath)
{
    PosixFileSource source;
    const SettingsRecord& settings = Settings();
    ImportDescription(names, description, resolvePath, source,
                      LineLimit{settings.limitFlag, settings.lineLimit});
}

} // namespace zandrel
