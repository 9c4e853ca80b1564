#pragma once
// The files that a walk over a folder tree found for the plug-in's masks, and
// the name list that one item of that tree hands to the plug-in. No Windows
// header: the walk itself lives in FolderWalk.h.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "MaskMatch.h"

namespace zandrel::host {

// A matching file, its path relative to the walk's root ('\' between parts).
struct CandidateFile {
    std::string path;
    std::size_t maskIndex = 0; // the first mask it matches
};

// A folder below the root, in walk order (a folder before its sub-folders).
// The walk lists a folder's own files before those of its sub-folders, so the
// files of its whole subtree are one run of the listing: [firstFile, endFile).
struct ListedFolder {
    std::string path; // relative to the root; empty for the root itself
    std::size_t firstFile = 0;
    std::size_t endFile = 0;
};

struct FolderListing {
    std::vector<ListedFolder> folders;
    std::vector<CandidateFile> files;
};

// The candidate names of one folder as the host passes them: the paths of the
// matching files in its subtree relative to the folder, those matching an
// earlier mask first, otherwise in walk order. The user's order of the masks
// thus says which file is preferred where the plug-in sees a tie.
[[nodiscard]] std::vector<std::string> ItemCandidateNames(const FolderListing& listing,
                                                          const ListedFolder& folder);

// The names laid end to end, each closed by a zero byte, then an empty name.
[[nodiscard]] std::string BuildNameList(const std::vector<std::string>& names);

// Joins a folder path and a name with one '\' ("" + "A" is "A"). A folder
// that already ends in a separator ("C:\") gets none; a double-byte character
// whose trail byte is 0x5C is not a separator.
[[nodiscard]] std::string JoinPath(std::string_view folder, std::string_view name,
                                   const NameCharset& charset);

} // namespace zandrel::host
