#pragma once

#include "base/HostInterface.h"
#include "import/text/ApplyLineLimit.h"
#include "platform/FileSource.h"

namespace zandrel {

// The import behind ImportDesc_ParentItem: chooses a name from `names`, asks
// `resolvePath` for its path, reads the file's start, gives up on a file that
// begins like a binary format (BinaryFormatAtStart), converts a text in UTF-8
// or UTF-16, or a .DIZ or .NFO file's OEM text, to the ANSI code page, keeps
// the first lines when the limit is on, normalises the text
// and copies it, with its zero, into `description` (DescriptionCapacity bytes at most).
// `description` is written once, at the end, and only when a text was read;
// every failure leaves it as it was (the export empties it first). Files are
// read through `source`; `limit` is the settings record's line limit. Throws
// nothing of its own; the export around it is the firewall for the host's callback.
void ImportDescription(const char* names, char* description, ResolvePathProc resolvePath,
                       FileSource& source, LineLimit limit);

} // namespace zandrel
