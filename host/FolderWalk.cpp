#include "FolderWalk.h"

#include <windows.h>

#include <algorithm>

#include "AnsiWideNames.h"
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

    // Listed through the wide functions, which reach folders at any depth; the
    // names are handed on in the ANSI code page, as the plug-in takes them.
    bool Read(const std::string& folder, std::vector<Entry>& entries)
    {
        WIN32_FIND_DATAW data{};
        const UniqueFind find(::FindFirstFileW(WidePathForListing(folder, L"*").c_str(), &data));
        if (!find) {
            warn_("cannot read the folder " + folder + ": " + WindowsErrorText(::GetLastError()));
            return false;
        }
        do {
            const std::wstring_view wideName = data.cFileName;
            if (wideName == L"." || wideName == L"..") {
                continue;
            }
            const bool folderEntry = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            if (folderEntry && (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
                continue;
            }
            // A name the ANSI code page cannot spell is listed by its short
            // name, which still opens the file; without one it is left out.
            std::string name;
            if (!AnsiFromWide(wideName, name) && (data.cAlternateFileName[0] == L'\0' ||
                                                  !AnsiFromWide(data.cAlternateFileName, name))) {
                continue;
            }
            entries.push_back({name, folderEntry});
        } while (::FindNextFileW(find.Get(), &data));
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
