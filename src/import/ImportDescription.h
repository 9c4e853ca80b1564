#pragma once

#include "import/ApplyLineLimit.h"
#include "import/FileSource.h"
#include "plugin/ZandrelPlugin.h"

namespace zandrel {

// The import behind ImportDesc_ParentItem: chooses a name from `names`, asks
// `resolvePath` for its path, reads the file's start, converts a text in UTF-8
// or UTF-16, or a .DIZ or .NFO file's OEM text, to the ANSI code page, keeps
// the first lines when the settings record's limit is on, normalises the text
// and copies it, with its zero, into `description` (DescriptionCapacity bytes at most).
// `description` is written once, at the end, and only when a text was read;
// every failure leaves it as it was (the export empties it first). Reads the
// limit from Settings() and files through the platform's file source. Throws
// nothing of its own; the export around it is the firewall for the host's callback.
void ImportDescription(const char* names, char* description, ResolvePathProc resolvePath);

// The same with the file source and the line limit given.
void ImportDescription(const char* names, char* description, ResolvePathProc resolvePath,
                       FileSource& source, LineLimit limit);

} // namespace zandrel
