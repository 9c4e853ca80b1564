#include "Commands.h"

#include <chrono>
#include <cstdio>
#include <cstring>

#include "ConsoleText.h"
#include "FolderWalk.h"
#include "HostCallbacks.h"
#include "HostError.h"
#include "SystemCharset.h"

namespace zandrel::host {
namespace {

// The longest description the plug-in can write: 6,142 characters and the
// terminating zero. The call carries no size, so the buffer has to hold that.
constexpr std::size_t DescriptionBufferSize = 6143;
// Each ModuleInfo text is a short fixed text; the call carries no size either.
constexpr std::size_t ModuleInfoBufferSize = 256;

Registration Register(PluginLibrary& plugin)
{
    const std::size_t before = Registrations().size();
    plugin.registerDescPlugins(&RecordRegistration);
    if (Registrations().size() == before) {
        throw HostError(ExitFailure, plugin.Path() + " did not register an importer");
    }
    return Registrations().back();
}

void PrintRegistration(const Registration& registration)
{
    WriteOut("Display name: " + registration.displayName + "\r\n");
    WriteOut("Masks:        " + registration.maskText + "\r\n");
}

std::string FullFolderPath(const std::string& folder)
{
    char buffer[MAX_PATH * 4];
    const DWORD length = ::GetFullPathNameA(folder.c_str(), sizeof buffer, buffer, nullptr);
    const std::string full =
        (length == 0 || length >= sizeof buffer) ? folder : std::string(buffer, length);
    const DWORD attributes = ::GetFileAttributesA(full.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        throw HostError(ExitFailure,
                        "no folder " + folder + ": " + WindowsErrorText(::GetLastError()));
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        throw HostError(ExitFailure, folder + " is a file, not a folder");
    }
    return full;
}

void Warn(const std::string& message)
{
    WriteErr("quorbit-host: " + message + "\r\n");
}

struct ItemResult {
    bool asked = false;     // the plug-in was called
    std::string chosenName; // the name it asked the path of
    std::string description;
};

ItemResult ImportItem(PluginLibrary& plugin, const std::string& folder,
                      const std::vector<std::string>& names)
{
    ItemResult result;
    if (names.empty()) {
        return result; // like Quorbit: an item without a matching file is not offered
    }
    const std::string nameList = BuildNameList(names);
    std::vector<char> description(DescriptionBufferSize, '\0');
    PathRequest request;
    request.folder = folder;
    SetPathRequest(&request);
    plugin.importDescParentItem(0, 0, nameList.data(), description.data(), &AnswerResolvePath);
    SetPathRequest(nullptr);
    result.asked = true;
    result.chosenName = request.chosenName;
    result.description.assign(description.data(), strnlen(description.data(), description.size()));
    return result;
}

FolderListing ListFolder(const std::string& fullPath, const std::vector<std::string>& masks,
                         const std::function<void(std::size_t)>& onFolder)
{
    FolderListing listing = WalkFolderTree(fullPath, masks, SystemCharset(), onFolder, Warn);
    if (listing.folders.empty()) {
        throw HostError(ExitFailure, "cannot read the folder " + fullPath);
    }
    return listing;
}

// Every description line indented by four blanks: a reader sees where each
// description starts and ends, whatever its lines hold.
std::string IndentedLines(const std::string& description)
{
    std::string text;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = description.find("\r\n", start);
        text += "    ";
        text.append(description, start, end == std::string::npos ? std::string::npos : end - start);
        text += "\r\n";
        if (end == std::string::npos) {
            return text;
        }
        start = end + 2;
    }
}

std::string Count(std::size_t n, const char* singular, const char* plural)
{
    return std::to_string(n) + " " + (n == 1 ? singular : plural);
}

std::string Seconds(std::chrono::steady_clock::duration elapsed)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f s", std::chrono::duration<double>(elapsed).count());
    return text;
}

// A line on standard error every `interval`, for catalogs that take a while.
class Progress {
public:
    explicit Progress(double intervalSeconds)
        : start_(std::chrono::steady_clock::now()),
          interval_(std::chrono::duration_cast<std::chrono::steady_clock::duration>(
              std::chrono::duration<double>(intervalSeconds))),
          next_(start_ + interval_)
    {
    }

    template <typename MakeText> void Tick(MakeText makeText)
    {
        const auto now = std::chrono::steady_clock::now();
        if (now >= next_) {
            WriteErr("catalog: " + makeText() + ", " + Seconds(now - start_) + "\r\n");
            next_ = now + interval_;
        }
    }

    [[nodiscard]] std::chrono::steady_clock::duration Elapsed() const
    {
        return std::chrono::steady_clock::now() - start_;
    }

private:
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::duration interval_;
    std::chrono::steady_clock::time_point next_;
};

} // namespace

int RunInfo(PluginLibrary& plugin)
{
    char moduleText[ModuleInfoBufferSize] = {};
    char authorText[ModuleInfoBufferSize] = {};
    char versionText[ModuleInfoBufferSize] = {};
    plugin.moduleInfo(moduleText, authorText, versionText);
    WriteOut(std::string("Module:  ") + moduleText + "\r\n");
    WriteOut(std::string("Author:  ") + authorText + "\r\n");
    WriteOut(std::string("Version: ") + versionText + "\r\n");
    return ExitOk;
}

int RunMasks(PluginLibrary& plugin)
{
    PrintRegistration(Register(plugin));
    return ExitOk;
}

int RunImport(PluginLibrary& plugin, const std::string& folder)
{
    const std::string full = FullFolderPath(folder);
    const Registration registration = Register(plugin);
    const FolderListing listing = ListFolder(full, SplitMaskText(registration.maskText), nullptr);
    const ItemResult item =
        ImportItem(plugin, full, ItemCandidateNames(listing, listing.folders[0]));
    if (!item.asked) {
        Warn("no file below " + folder + " matches the masks " + registration.maskText);
    } else if (item.description.empty()) {
        Warn("the description of " + folder + " is empty (" +
             (item.chosenName.empty() ? std::string("no file asked for") : item.chosenName) + ")");
    } else {
        WriteOut(item.description + "\r\n");
    }
    return ExitOk;
}

int RunCatalog(PluginLibrary& plugin, const std::string& root, double progressSeconds)
{
    const std::string full = FullFolderPath(root);
    Progress progress(progressSeconds);
    const Registration registration = Register(plugin);
    const FolderListing listing =
        ListFolder(full, SplitMaskText(registration.maskText), [&](std::size_t folders) {
            // The root is not an item: it is not counted.
            progress.Tick([&] { return Count(folders - 1, "folder", "folders") + " found"; });
        });

    // The root holds the items; it is not an item itself.
    const std::size_t folders = listing.folders.size() - 1;
    std::size_t imported = 0;
    for (std::size_t i = 1; i < listing.folders.size(); ++i) {
        const ListedFolder& folder = listing.folders[i];
        const ItemResult item = ImportItem(plugin, JoinPath(full, folder.path, SystemCharset()),
                                           ItemCandidateNames(listing, folder));
        std::string block = folder.path + ": ";
        if (!item.asked) {
            block += "no matching file\r\n";
        } else {
            block += item.chosenName.empty() ? std::string("no file asked for") : item.chosenName;
            if (item.description.empty()) {
                block += ", empty description\r\n";
            } else {
                block += "\r\n" + IndentedLines(item.description);
                ++imported;
            }
        }
        WriteOut(block + "\r\n");
        progress.Tick([&] {
            return std::to_string(i) + " of " + Count(folders, "folder", "folders") + " done, " +
                   Count(imported, "description", "descriptions") + " imported";
        });
    }
    WriteOut(Count(folders, "folder", "folders") + ", " +
             Count(imported, "description", "descriptions") + " imported in " +
             Seconds(progress.Elapsed()) + "\r\n");
    return ExitOk;
}

int RunConfigure(PluginLibrary& plugin)
{
    const Registration registration = Register(plugin);
    if (registration.configure == nullptr) {
        throw HostError(ExitFailure, plugin.Path() + " registered without a setup dialog");
    }
    const ConfigureDescPluginProc configure = registration.configure;
    const std::size_t before = Registrations().size();
    configure(0, ::GetConsoleWindow(), 0);
    if (Registrations().size() == before) {
        WriteOut("The setup dialog closed without OK: the registration is unchanged.\r\n");
        return ExitOk;
    }
    WriteOut("Registered again after OK:\r\n");
    PrintRegistration(Registrations().back());
    return ExitOk;
}

} // namespace zandrel::host
