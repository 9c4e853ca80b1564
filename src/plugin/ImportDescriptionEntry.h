#pragma once

#include "base/HostInterface.h"

namespace zandrel {

// The import as the export runs it: through the platform's file source, with
// the line limit of the library's settings record.
void ImportDescription(const char* names, char* description, ResolvePathProc resolvePath);

} // namespace zandrel
