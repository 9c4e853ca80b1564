// The entry the export calls: the platform's file source and the settings
// record's limit.

#include "import/ImportDescription.h"
#include "settings/SettingsRecord.h"

#if defined(_WIN32)
#include "import/WindowsFileSource.h"
using PlatformFileSource = zandrel::WindowsFileSource;
#else
#include "import/PosixFileSource.h"
using PlatformFileSource = zandrel::PosixFileSource;
#endif

namespace zandrel {

void ImportDescription(const char* names, char* description, ResolvePathProc resolvePath)
{
    PlatformFileSource source;
    const SettingsRecord& settings = Settings();
    ImportDescription(names, description, resolvePath, source,
                      LineLimit{settings.limitFlag, settings.lineLimit});
}

} // namespace zandrel
