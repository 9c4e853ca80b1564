#pragma once
// The walk over a folder tree on disk.

#include <functional>
#include <string>
#include <vector>

#include "FolderListing.h"
#include "MaskMatch.h"

namespace zandrel::host {

// Lists the folder `root` (a full path; folders[0], path "") and every folder
// below it, at any depth, and every file in them whose name matches one of the
// masks. In each folder the files come first, then the sub-folders, each group
// in name order.
// Folders that are reparse points are not entered, so a link cannot loop. A
// folder that cannot be read is reported through `warn` and left out. Names
// and paths are in the ANSI code page; a name that it cannot spell is listed by
// its short (8.3) name, and left out where it has none.
// `onFolder` runs after each folder has been read, for progress.
[[nodiscard]] FolderListing WalkFolderTree(const std::string& root,
                                           const std::vector<std::string>& masks,
                                           const NameCharset& charset,
                                           const std::function<void(std::size_t folders)>& onFolder,
                                           const std::function<void(const std::string&)>& warn);

} // namespace zandrel::host
