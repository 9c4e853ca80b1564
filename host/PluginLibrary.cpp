#include "PluginLibrary.h"

#include <vector>

#include "HostError.h"

namespace zandrel::host {
namespace {

template <typename Proc>
Proc Export(HMODULE module, const char* name, std::vector<std::string>& missing)
{
    const FARPROC address = ::GetProcAddress(module, name);
    if (address == nullptr) {
        missing.emplace_back(name);
        return nullptr;
    }
    // Through a plain function pointer type, which every function pointer converts from.
    return reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(address));
}

std::string FullPath(const std::string& path)
{
    char buffer[MAX_PATH * 4];
    const DWORD length = ::GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
    if (length == 0 || length >= sizeof buffer) {
        return path;
    }
    return std::string(buffer, length);
}

} // namespace

std::string WindowsErrorText(DWORD error)
{
    char buffer[512] = {};
    DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                    nullptr, error, 0, buffer, sizeof buffer, nullptr);
    while (length > 0 && (buffer[length - 1] == '\r' || buffer[length - 1] == '\n' ||
                          buffer[length - 1] == ' ' || buffer[length - 1] == '.')) {
        --length;
    }
    std::string text(buffer, length);
    if (text.empty()) {
        text = "Windows error";
    }
    return text + " (error " + std::to_string(error) + ")";
}

std::string DefaultPluginPath()
{
    char buffer[MAX_PATH * 4];
    const DWORD length = ::GetModuleFileNameA(nullptr, buffer, sizeof buffer);
    std::string path(buffer, length < sizeof buffer ? length : 0);
    const std::size_t slash = path.find_last_of("\\/");
    path.resize(slash == std::string::npos ? 0 : slash + 1);
    return path + "ZandrelPlugin.dll";
}

PluginLibrary::PluginLibrary(const std::string& path) : path_(FullPath(path))
{
    const DWORD attributes = ::GetFileAttributesA(path_.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        throw HostError(ExitFailure, "no plug-in at " + path_);
    }
    // The full path, so that the file named is loaded and not one found elsewhere.
    module_.Reset(::LoadLibraryA(path_.c_str()));
    if (!module_) {
        throw HostError(ExitFailure, "cannot load the plug-in " + path_ + ": " +
                                         WindowsErrorText(::GetLastError()));
    }
    std::vector<std::string> missing;
    importDescParentItem =
        Export<ImportDescParentItemProc>(module_.Get(), "ImportDesc_ParentItem", missing);
    registerDescPlugins =
        Export<RegisterDescPluginsProc>(module_.Get(), "RegisterDescPlugins", missing);
    moduleInfo = Export<ModuleInfoProc>(module_.Get(), "ModuleInfo", missing);
    if (!missing.empty()) {
        std::string names;
        for (const std::string& name : missing) {
            names += (names.empty() ? "" : ", ") + name;
        }
        throw HostError(ExitFailure, path_ + " is not a description plug-in: it lacks the export" +
                                         (missing.size() > 1 ? "s " : " ") + names);
    }
}

} // namespace zandrel::host
