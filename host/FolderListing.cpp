#include "FolderListing.h"

#include <algorithm>

namespace zandrel::host {

std::vector<std::string> ItemCandidateNames(const FolderListing& listing,
                                            const ListedFolder& folder)
{
    std::vector<const CandidateFile*> files;
    files.reserve(folder.endFile - folder.firstFile);
    for (std::size_t i = folder.firstFile; i < folder.endFile; ++i) {
        files.push_back(&listing.files[i]);
    }
    std::stable_sort(
        files.begin(), files.end(),
        [](const CandidateFile* a, const CandidateFile* b) { return a->maskIndex < b->maskIndex; });
    const std::size_t prefixLength = folder.path.empty() ? 0 : folder.path.size() + 1;
    std::vector<std::string> names;
    names.reserve(files.size());
    for (const CandidateFile* file : files) {
        names.push_back(file->path.substr(prefixLength));
    }
    return names;
}

std::string BuildNameList(const std::vector<std::string>& names)
{
    std::string list;
    for (const std::string& name : names) {
        list.append(name);
        list.push_back('\0');
    }
    list.push_back('\0');
    return list;
}

std::string JoinPath(std::string_view folder, std::string_view name, const NameCharset& charset)
{
    bool endsInSeparator = false;
    for (std::size_t i = 0; i < folder.size();) {
        const bool lead =
            charset.leadByte[static_cast<unsigned char>(folder[i])] && i + 1 < folder.size();
        endsInSeparator = !lead && (folder[i] == '\\' || folder[i] == '/');
        i += lead ? 2 : 1;
    }
    std::string path(folder);
    if (!path.empty() && !name.empty() && !endsInSeparator) {
        path.push_back('\\');
    }
    path.append(name);
    return path;
}

} // namespace zandrel::host
