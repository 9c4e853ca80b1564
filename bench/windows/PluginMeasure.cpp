// Measures the plug-in DLL the way the host uses it, under Wine or Windows:
//   plugin_measure DLL bench [rounds]         import vs bare CreateFileA/ReadFile/CloseHandle
//   plugin_measure DLL allocations [imports]  heap allocations the DLL makes while importing
//   plugin_measure DLL soak ROOT [imports]    handles and memory across many imports
//   plugin_measure DLL load [rounds]          time of LoadLibrary plus FreeLibrary
//   plugin_measure DLL load-once              one marked load, for counting its registry calls
// Figures are printed as 'name: value' lines. A benchmark, not a test: nothing
// here passes or fails on a time.
#include <windows.h>
// psapi.h needs the types of windows.h.
#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "plugin/ZandrelPlugin.h"
#include "support/ImportTablePatch.h"
#include "support/PathCallback.h"

namespace {

using zandrel::test::PathCallback;
using ImportProc = bool(__stdcall*)(std::uint32_t, std::uint32_t, const char*, char*,
                                    zandrel::ResolvePathProc);

HMODULE plugin = nullptr;
ImportProc importDesc = nullptr;
char description[8192];

void LoadPlugin(const char* dllPath)
{
    plugin = ::LoadLibraryA(dllPath);
    if (plugin == nullptr) {
        std::fprintf(stderr, "cannot load %s (error %lu)\n", dllPath, ::GetLastError());
        std::exit(2);
    }
    importDesc = reinterpret_cast<ImportProc>(
        reinterpret_cast<void*>(::GetProcAddress(plugin, "ImportDesc_ParentItem")));
    if (importDesc == nullptr) {
        std::fprintf(stderr, "%s has no ImportDesc_ParentItem\n", dllPath);
        std::exit(2);
    }
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to)
{
    static const double frequency = [] {
        LARGE_INTEGER f;
        ::QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    return static_cast<double>(to.QuadPart - from.QuadPart) / frequency;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string TempFile(const char* name, const std::string& content)
{
    char dir[MAX_PATH];
    ::GetTempPathA(MAX_PATH, dir);
    std::string path = std::string(dir) + name;
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
    ::CloseHandle(file);
    return path;
}

// A typical description: 80-column lines ending in CR LF, 4,095 bytes.
std::string TypicalText()
{
    std::string text;
    while (text.size() < 4095) {
        text += std::string(78, 'x') + "\r\n";
    }
    text.resize(4095);
    return text;
}

void BareRead(const char* path)
{
    static char buffer[4096];
    HANDLE file = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD read = 0;
    ::ReadFile(file, buffer, 4095, &read, nullptr);
    ::CloseHandle(file);
}

int Bench(int rounds)
{
    PathCallback::Answer(TempFile("zandrel-bench.txt", TypicalText()));
    constexpr int batch = 200;
    std::vector<double> importTimes, bareTimes;
    for (int round = 0; round < rounds; ++round) {
        // Interleaved batches, so that both see the same machine state.
        LARGE_INTEGER t0, t1, t2;
        ::QueryPerformanceCounter(&t0);
        for (int i = 0; i < batch; ++i) {
            importDesc(0, 0, "README.TXT\0", description, &PathCallback::Resolve);
        }
        ::QueryPerformanceCounter(&t1);
        for (int i = 0; i < batch; ++i) {
            BareRead(PathCallback::path.c_str());
        }
        ::QueryPerformanceCounter(&t2);
        importTimes.push_back(Seconds(t0, t1) / batch);
        bareTimes.push_back(Seconds(t1, t2) / batch);
    }
    ::DeleteFileA(PathCallback::path.c_str());
    const double import = Median(importTimes), bare = Median(bareTimes);
    std::printf("description bytes: %zu\n", std::strlen(description));
    std::printf("import median: %.2f us\n", import * 1e6);
    std::printf("bare open-read-close median: %.2f us\n", bare * 1e6);
    std::printf("import / bare: %.3f\n", import / bare);
    return 0;
}

// Every allocation entry point the DLL could reach through its imports.
std::atomic<long> allocations{0};
void* (*realMalloc)(size_t);
void* (*realCalloc)(size_t, size_t);
void* (*realRealloc)(void*, size_t);
LPVOID(WINAPI* realHeapAlloc)(HANDLE, DWORD, SIZE_T);
LPVOID(WINAPI* realHeapReAlloc)(HANDLE, DWORD, LPVOID, SIZE_T);
HLOCAL(WINAPI* realLocalAlloc)(UINT, SIZE_T);
HGLOBAL(WINAPI* realGlobalAlloc)(UINT, SIZE_T);
LPVOID(WINAPI* realVirtualAlloc)(LPVOID, SIZE_T, DWORD, DWORD);

void* CountedMalloc(size_t n)
{
    ++allocations;
    return realMalloc(n);
}
void* CountedCalloc(size_t n, size_t s)
{
    ++allocations;
    return realCalloc(n, s);
}
void* CountedRealloc(void* p, size_t n)
{
    ++allocations;
    return realRealloc(p, n);
}
LPVOID WINAPI CountedHeapAlloc(HANDLE h, DWORD f, SIZE_T n)
{
    ++allocations;
    return realHeapAlloc(h, f, n);
}
LPVOID WINAPI CountedHeapReAlloc(HANDLE h, DWORD f, LPVOID p, SIZE_T n)
{
    ++allocations;
    return realHeapReAlloc(h, f, p, n);
}
HLOCAL WINAPI CountedLocalAlloc(UINT f, SIZE_T n)
{
    ++allocations;
    return realLocalAlloc(f, n);
}
HGLOBAL WINAPI CountedGlobalAlloc(UINT f, SIZE_T n)
{
    ++allocations;
    return realGlobalAlloc(f, n);
}
LPVOID WINAPI CountedVirtualAlloc(LPVOID a, SIZE_T n, DWORD t, DWORD p)
{
    ++allocations;
    return realVirtualAlloc(a, n, t, p);
}

template <typename Fn> int Hook(const char* dll, const char* name, Fn replacement, Fn& original)
{
    void* previous =
        zandrel::test::PatchImport(plugin, dll, name, reinterpret_cast<void*>(replacement));
    if (previous != nullptr) {
        original = reinterpret_cast<Fn>(previous);
        return 1;
    }
    return 0;
}

int Allocations(int imports)
{
    int hooked = 0;
    hooked += Hook("msvcrt.dll", "malloc", &CountedMalloc, realMalloc);
    hooked += Hook("msvcrt.dll", "calloc", &CountedCalloc, realCalloc);
    hooked += Hook("msvcrt.dll", "realloc", &CountedRealloc, realRealloc);
    hooked += Hook("kernel32.dll", "HeapAlloc", &CountedHeapAlloc, realHeapAlloc);
    hooked += Hook("kernel32.dll", "HeapReAlloc", &CountedHeapReAlloc, realHeapReAlloc);
    hooked += Hook("kernel32.dll", "LocalAlloc", &CountedLocalAlloc, realLocalAlloc);
    hooked += Hook("kernel32.dll", "GlobalAlloc", &CountedGlobalAlloc, realGlobalAlloc);
    hooked += Hook("kernel32.dll", "VirtualAlloc", &CountedVirtualAlloc, realVirtualAlloc);
    PathCallback::Answer(TempFile("zandrel-alloc.txt", TypicalText()));
    allocations = 0;
    for (int i = 0; i < imports; ++i) {
        importDesc(0, 0, "README.TXT\0", description, &PathCallback::Resolve);
    }
    ::DeleteFileA(PathCallback::path.c_str());
    std::printf("allocation imports hooked: %d\n", hooked);
    std::printf("imports: %d\n", imports);
    std::printf("description bytes: %zu\n", std::strlen(description));
    std::printf("heap allocations: %ld\n", allocations.load());
    return 0;
}

void CollectTextFiles(const std::string& dir, std::vector<std::string>& files)
{
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((dir + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..") {
            continue;
        }
        const std::string path = dir + "\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            CollectTextFiles(path, files);
        } else {
            files.push_back(path);
        }
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
}

// Committed memory (PagefileUsage: Wine leaves PrivateUsage at 0).
SIZE_T CommittedBytes()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    ::K32GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}

// The value the next new handle gets: handle tables reuse the lowest (Wine) or
// most recently freed (Windows) slot, so leaked handles move it. Wine's
// GetProcessHandleCount always reports 0, so it cannot show a leak there.
std::uintptr_t NextHandleValue()
{
    HANDLE probe = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    const auto value = reinterpret_cast<std::uintptr_t>(probe);
    ::CloseHandle(probe);
    return value;
}

int Soak(const char* root, int imports)
{
    std::vector<std::string> files;
    CollectTextFiles(root, files);
    if (files.empty()) {
        std::fprintf(stderr, "no files under %s\n", root);
        return 2;
    }
    // A first round settles whatever the system caches on first use.
    for (const std::string& file : files) {
        PathCallback::Answer(file);
        importDesc(0, 0, "README.TXT\0", description, &PathCallback::Resolve);
    }
    const std::uintptr_t handlesBefore = NextHandleValue();
    const SIZE_T memoryBefore = CommittedBytes();
    std::uintptr_t handlesPeak = handlesBefore;
    SIZE_T memoryPeak = memoryBefore;
    std::size_t produced = 0;
    LARGE_INTEGER t0, t1;
    ::QueryPerformanceCounter(&t0);
    for (int i = 0; i < imports; ++i) {
        PathCallback::Answer(files[static_cast<std::size_t>(i) % files.size()]);
        importDesc(0, 0, "README.TXT\0", description, &PathCallback::Resolve);
        produced += description[0] != '\0' ? 1 : 0;
        if (i % 1000 == 0) {
            handlesPeak = std::max(handlesPeak, NextHandleValue());
            memoryPeak = std::max(memoryPeak, CommittedBytes());
        }
    }
    ::QueryPerformanceCounter(&t1);
    // Taken before anything is printed: the first output may open handles of its own.
    const std::uintptr_t handlesAfter = NextHandleValue();
    const SIZE_T memoryAfter = CommittedBytes();
    std::printf("files: %zu\n", files.size());
    std::printf("imports: %d (%zu with a description)\n", imports, produced);
    std::printf("seconds: %.2f\n", Seconds(t0, t1));
    std::printf("next handle value before/peak/after: %#zx/%#zx/%#zx\n",
                static_cast<std::size_t>(handlesBefore), static_cast<std::size_t>(handlesPeak),
                static_cast<std::size_t>(handlesAfter));
    std::printf("committed bytes before/peak/after: %zu/%zu/%zu\n",
                static_cast<std::size_t>(memoryBefore), static_cast<std::size_t>(memoryPeak),
                static_cast<std::size_t>(memoryAfter));
    return 0;
}

int Load(const char* dllPath, int rounds)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        LARGE_INTEGER t0, t1;
        ::QueryPerformanceCounter(&t0);
        HMODULE module = ::LoadLibraryA(dllPath);
        ::FreeLibrary(module);
        ::QueryPerformanceCounter(&t1);
        if (module == nullptr) {
            std::fprintf(stderr, "cannot load %s\n", dllPath);
            return 2;
        }
        times.push_back(Seconds(t0, t1));
    }
    std::printf("load+free rounds: %d\n", rounds);
    std::printf("load+free median: %.1f us\n", Median(times) * 1e6);
    return 0;
}

int LoadOnce(const char* dllPath)
{
    // The DLL's own imports are loaded first, so that between the marks only
    // the plug-in's attach runs.
    ::LoadLibraryA("advapi32.dll");
    ::LoadLibraryA("user32.dll");
    ::OutputDebugStringA("zandrel-load-begin");
    HMODULE module = ::LoadLibraryA(dllPath);
    ::OutputDebugStringA("zandrel-load-end");
    ::FreeLibrary(module);
    return module != nullptr ? 0 : 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: plugin_measure DLL bench|allocations|soak ROOT|load|load-once [N]\n");
        return 2;
    }
    const char* dll = argv[1];
    const std::string mode = argv[2];
    auto count = [&](int index, int fallback) {
        return argc > index ? std::atoi(argv[index]) : fallback;
    };
    if (mode == "load") {
        return Load(dll, count(3, 200));
    }
    if (mode == "load-once") {
        return LoadOnce(dll);
    }
    LoadPlugin(dll);
    if (mode == "bench") {
        return Bench(count(3, 50));
    }
    if (mode == "allocations") {
        return Allocations(count(3, 1000));
    }
    if (mode == "soak" && argc > 3) {
        return Soak(argv[3], count(4, 100000));
    }
    std::fprintf(stderr, "unknown mode %s\n", mode.c_str());
    return 2;
}
