#pragma once
// The plug-in as the host meets it: the DLL loaded with LoadLibrary, its
// exports found with GetProcAddress, callbacks of the test's own. Windows only.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/HandleOwners.h"
#include "plugin/ZandrelPlugin.h"

namespace zandrel::test {

// The exports with their argument slots as the host fills them: the 16-bit
// Action travels in a 32-bit slot, so the upper half can be set on purpose.
using ImportDescProc = bool(__stdcall*)(std::uint32_t actionSlot, std::uint32_t reserved,
                                        const char* names, char* description,
                                        ResolvePathProc resolvePath);
using RegisterDescPluginsProc = void(__stdcall*)(DescRegisterProc registerProc);
using ModuleInfoProc = char*(__stdcall*)(char* moduleText, char* authorText, char* versionText);
using ConfigureProc = void(__stdcall*)(std::uint32_t reserved, HWND ownerWindow,
                                       std::uint32_t actionSlot);

// Between function pointer types of different signatures, as GetProcAddress
// results and the host's slot-wide view of the callbacks need.
template <typename To, typename From> To FunctionCast(From function)
{
    return reinterpret_cast<To>(reinterpret_cast<void (*)()>(function));
}

// The DLL next to the tests: the build directory is the working directory.
inline constexpr char PluginPath[] = ".\\ZandrelPlugin.dll";
inline constexpr char PluginModuleName[] = "ZandrelPlugin.dll";

class PluginLibrary {
public:
    // Another path loads a copy of the DLL, such as a deliberately broken one.
    explicit PluginLibrary(const char* path = PluginPath) : module_(::LoadLibraryA(path))
    {
        if (module_) {
            importDesc = FunctionCast<ImportDescProc>(Export("ImportDesc_ParentItem"));
            registerDescPlugins =
                FunctionCast<RegisterDescPluginsProc>(Export("RegisterDescPlugins"));
            moduleInfo = FunctionCast<ModuleInfoProc>(Export("ModuleInfo"));
        }
    }
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    void Unload() { module_.Reset(); }

    [[nodiscard]] HMODULE Module() const { return module_.Get(); }
    [[nodiscard]] bool Loaded() const
    {
        return module_ && importDesc != nullptr && registerDescPlugins != nullptr &&
               moduleInfo != nullptr;
    }
    [[nodiscard]] FARPROC Export(const char* nameOrOrdinal) const
    {
        return ::GetProcAddress(module_.Get(), nameOrOrdinal);
    }

    ImportDescProc importDesc = nullptr;
    RegisterDescPluginsProc registerDescPlugins = nullptr;
    ModuleInfoProc moduleInfo = nullptr;

private:
    UniqueModule module_;
};

// What one call of a registration callback received.
struct Registration {
    std::int32_t zero;
    std::int32_t two;
    std::string displayName;
    std::string masks;
    ConfigureProc configure;
    bool duringConfigure; // made while the test was inside ConfigureDescPlugin
};

// The one registration a plug-in with the default settings makes.
inline void ExpectDefaultRegistration(const std::vector<Registration>& calls)
{
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].zero, 0);
    EXPECT_EQ(calls[0].two, 2);
    EXPECT_EQ(calls[0].displayName, "Zandrel File Import");
    EXPECT_EQ(calls[0].masks, "README.TXT;*.TXT");
    EXPECT_NE(calls[0].configure, nullptr);
}

// Registration callbacks of the test's own. Two distinct functions, so that
// a test can tell which one the plug-in called.
struct RegistrationLog {
    static std::vector<Registration>& First()
    {
        static std::vector<Registration> calls;
        return calls;
    }
    static std::vector<Registration>& Second()
    {
        static std::vector<Registration> calls;
        return calls;
    }
    static bool& InsideConfigure()
    {
        static bool inside = false;
        return inside;
    }
    static void Clear()
    {
        First().clear();
        Second().clear();
        InsideConfigure() = false;
    }
    static std::int32_t __stdcall RecordFirst(std::int32_t zero, std::int32_t two,
                                              const char* displayName, const char* masks,
                                              ConfigureDescPluginProc configure)
    {
        First().push_back(Make(zero, two, displayName, masks, configure));
        return 0;
    }
    static std::int32_t __stdcall RecordSecond(std::int32_t zero, std::int32_t two,
                                               const char* displayName, const char* masks,
                                               ConfigureDescPluginProc configure)
    {
        Second().push_back(Make(zero, two, displayName, masks, configure));
        return 0;
    }

private:
    static Registration Make(std::int32_t zero, std::int32_t two, const char* displayName,
                             const char* masks, ConfigureDescPluginProc configure)
    {
        return Registration{zero,
                            two,
                            displayName != nullptr ? displayName : "<null>",
                            masks != nullptr ? masks : "<null>",
                            FunctionCast<ConfigureProc>(configure),
                            InsideConfigure()};
    }
};

} // namespace zandrel::test
