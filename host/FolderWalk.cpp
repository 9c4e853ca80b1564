#include "FolderWalk.h"

#include <windows.h>

#include <algorithm>

#include "PluginLibrary.h"
#include "platform/HandleOwners.h"

namespace zandrel::host {
namespace {

struct Entry {
    std::string name;
    bool folder = false;
};

class TreeWalker {
public:
    TreeWalker(const std::string& root, const std::vector<std::string>& masks,
               const NameCharset& charset, const std::function<void(std::size_t)>& onFolder,
               const std::function<void(const std::string&)>& warn)
        : root_(root), masks_(masks), charset_(charset), onFolder_(onFolder), warn_(warn)
    {
    }

    FolderListing Walk()
    {
        Visit("");
        return std::move(listing_);
    }

private:
    void Visit(const std::string& relative)
    {
        const std::size_t index = listing_.folders.size();
        listing_.folders.push_back({relative, listing_.files.size(), listing_.files.size()});
        std::vector<Entry> entries;
        if (!Read(JoinPath(root_, relative, charset_), entries)) {
            listing_.folders.pop_back();
            return;
        }
        if (onFolder_) {
            onFolder_(listing_.folders.size());
        }
        for (const Entry& entry : entries) {
            if (entry.folder) {
                continue;
            }
            if (auto mask = FirstMatchingMask(masks_, entry.name, charset_)) {
                listing_.files.push_back({JoinPath(relative, entry.name, charset_), *mask});
            }
        }
        for (const Entry& entry : entries) {
            if (entry.folder) {
                Visit(JoinPath(relative, entry.name, charset_));
            }
        }
        listing_.folders[index].endFile = listing_.files.size();
    }

    bool Read(const std::string& folder, std::vector<Entry>& entries)
    {
        WIN32_FIND_DATAA data{};
        const UniqueFind find(::FindFirstFileA(JoinPath(folder, "*", charset_).c_str(), &data));
        if (!find) {
            warn_("cannot read the folder " + folder + ": " + WindowsErrorText(::GetLastError()));
            return false;
        }
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..") {
                continue;
            }
            // A name the ANSI code page cannot spell comes with '?' in it, which
            // no real name holds; its short name still opens the file.
            if (name.find('?') != std::string::npos && data.cAlternateFileName[0] != '\0') {
                name = data.cAlternateFileName;
            }
            const bool folderEntry = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            if (folderEntry && (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
                continue;
            }
            entries.push_back({name, folderEntry});
        } while (::FindNextFileA(find.Get(), &data));
        std::sort(entries.begin(), entries.end(), [this](const Entry& a, const Entry& b) {
            return NameLessIgnoreCase(a.name, b.name, charset_);
        });
        return true;
    }

    const std::string& root_;
    const std::vector<std::string>& masks_;
    const NameCharset& charset_;
    const std::function<void(std::size_t)>& onFolder_;
    const std::function<void(const std::string&)>& warn_;
    FolderListing listing_;
};

} // namespace

FolderListing WalkFolderTree(const std::string& root, const std::vector<std::string>& masks,
                             const NameCharset& charset,
                             const std::function<void(std::size_t folders)>& onFolder,
                             const std::function<void(const std::string&)>& warn)
{
    return TreeWalker(root, masks, charset, onFolder, warn).Walk();
}

} // namespace zandrel::host
