// The DLL's import as the host calls it, watched from outside: every heap entry
// point that the DLL imports is redirected to a counter, and the process's
// handles are counted around many imports, including failing ones.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <iterator>
#include <string>

#include "support/ImportTablePatch.h"
#include "support/LongPath.h"
#include "support/PathCallback.h"
#include "support/PluginLibrary.h"
#include "support/TempDirectory.h"
#include "support/TextPieces.h"

namespace zandrel {
namespace {

std::atomic<long> allocations{0};
std::atomic<long> releases{0};
void* (*realMalloc)(size_t);
void* (*realCalloc)(size_t, size_t);
void* (*realRealloc)(void*, size_t);
LPVOID(WINAPI* realHeapAlloc)(HANDLE, DWORD, SIZE_T);
HLOCAL(WINAPI* realLocalAlloc)(UINT, SIZE_T);
void (*realFree)(void*);

void* CountedMalloc(size_t n)
{
    ++allocations;
    return realMalloc(n);
}
void* CountedCalloc(size_t n, size_t size)
{
    ++allocations;
    return realCalloc(n, size);
}
void* CountedRealloc(void* p, size_t n)
{
    ++allocations;
    return realRealloc(p, n);
}
LPVOID WINAPI CountedHeapAlloc(HANDLE heap, DWORD flags, SIZE_T n)
{
    ++allocations;
    return realHeapAlloc(heap, flags, n);
}
HLOCAL WINAPI CountedLocalAlloc(UINT flags, SIZE_T n)
{
    ++allocations;
    return realLocalAlloc(flags, n);
}
void CountedFree(void* p)
{
    releases += p != nullptr ? 1 : 0;
    realFree(p);
}

template <typename Fn>
bool Redirect(HMODULE module, const char* dll, const char* name, Fn counted, Fn& real)
{
    void* previous = test::PatchImport(module, dll, name, reinterpret_cast<void*>(counted));
    if (previous == nullptr) {
        return false;
    }
    real = reinterpret_cast<Fn>(previous);
    return true;
}

template <typename Fn> void Restore(HMODULE module, const char* dll, const char* name, Fn real)
{
    if (real != nullptr) {
        test::PatchImport(module, dll, name, reinterpret_cast<void*>(real));
    }
}

// The value the next new handle gets. Handle tables hand out the lowest free
// (Wine) or the most recently freed (Windows) slot, so a handle leaked since
// the last probe moves it. GetProcessHandleCount is no help: Wine reports 0.
std::uintptr_t NextHandleValue()
{
    HANDLE probe = ::CreateEventA(nullptr, FALSE, FALSE, nullptr);
    const auto value = reinterpret_cast<std::uintptr_t>(probe);
    ::CloseHandle(probe);
    return value;
}

class ImportResources : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(plugin_.Loaded());
        std::string text;
        for (int line = 0; line < 60; ++line) {
            text += "  line " + std::to_string(line) + " of a description\t\r\n\r\n";
        }
        text.resize(4095);
        file_ = directory_.Write("README.TXT", text);
    }

    test::PluginLibrary plugin_;
    test::TempDirectory directory_;
    std::string file_;
    char description_[4096 + 16] = {};
};

// Paths below 260 bytes take no heap at all; a longer one takes its wide texts
// from the heap (not from the host's stack) and gives all of it back.
TEST_F(ImportResources, ShortPathsAllocateNothingLongPathsFreeWhatTheyTake)
{
    const HMODULE module = plugin_.Module();
    // The DLL must import malloc and free at least (its C++ runtime is linked
    // in); the other entry points are redirected where it imports them.
    ASSERT_TRUE(Redirect(module, "msvcrt.dll", "malloc", &CountedMalloc, realMalloc));
    ASSERT_TRUE(Redirect(module, "msvcrt.dll", "free", &CountedFree, realFree));
    Redirect(module, "msvcrt.dll", "calloc", &CountedCalloc, realCalloc);
    Redirect(module, "msvcrt.dll", "realloc", &CountedRealloc, realRealloc);
    Redirect(module, "kernel32.dll", "HeapAlloc", &CountedHeapAlloc, realHeapAlloc);
    Redirect(module, "kernel32.dll", "LocalAlloc", &CountedLocalAlloc, realLocalAlloc);

    // Texts with a byte-order mark (characters the code page lacks among
    // them), UTF-8 without one, a .DIZ file's OEM text, a web page, a Markdown
    // and a reStructuredText file and a Rich Text document in another code
    // page are converted in the import's own buffers.
    const std::string longPath = test::LongPath(directory_.Path().string(), 300, "a-long-path");
    ASSERT_TRUE(test::WriteLongPathFile(longPath, "caf\xC3\xA9 at the end of a long path\r\n"));
    const struct {
        const char* names;
        std::string path;
    } files[] = {
        {"UTF8.TXT\0",
         directory_.Write("UTF8.TXT", test::Utf8Mark + "  Gr\xC3\xBC\xC3\x9F \xC5\x81\xC3\xB3"
                                                       "d\xC5\xBA \xE2\x86\x92!\r\n")},
        {"UTF16.TXT\0",
         directory_.Write("UTF16.TXT", test::Utf16LeMark + std::string("R\0E\0A\0D\0", 8))},
        {"PLAIN.TXT\0", directory_.Write("PLAIN.TXT", "caf\xC3\xA9\r\n")},
        {"FILE_ID.DIZ\0", directory_.Write("FILE_ID.DIZ", "\xC9\xCD\xBB caf\x82\r\n")},
        {"LONG.TXT\0", longPath},
        {"MISSING.TXT\0", longPath.substr(0, 296) + ".doc"}, // a long path to no file
        {"INDEX.HTM\0", directory_.Write("INDEX.HTM", "<title>Caf&eacute;</title><p>a&mdash;b")},
        {"README.md\0", directory_.Write("README.md", "# Caf\xC3\xA9\n[**x**](u) \xE2\x84\xA2\n")},
        {"README.TXT\0", file_},                             // the last of the 999 imports (998 % 11)
        {"README.rst\0", directory_.Write("README.rst", "Caf\xC3\xA9\n====\n\n|b| **x** \xE2\x84\xA2\n")},
        {"README.RTF\0", directory_.Write("README.RTF", "{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset204 A;}}"
                                                        "\\f0 \\'c0\\u8364?\\par}")},
    };

    long shortPathAllocations = 0;
    long longPathAllocations = 0;
    long longPathReleases = 0;
    int described = 0;
    for (int i = 0; i < 999; ++i) {
        const auto& file = files[i % std::size(files)];
        test::PathCallback::Answer(file.path);
        description_[0] = 'x';
        allocations = 0;
        releases = 0;
        ASSERT_TRUE(
            plugin_.importDesc(0, 0, file.names, description_, &test::PathCallback::Resolve));
        described += description_[0] != '\0' ? 1 : 0;
        (file.path.size() < MAX_PATH ? shortPathAllocations : longPathAllocations) += allocations;
        longPathReleases += file.path.size() < MAX_PATH ? 0 : releases.load();
    }

    Restore(module, "msvcrt.dll", "malloc", realMalloc);
    Restore(module, "msvcrt.dll", "free", realFree);
    Restore(module, "msvcrt.dll", "calloc", realCalloc);
    Restore(module, "msvcrt.dll", "realloc", realRealloc);
    Restore(module, "kernel32.dll", "HeapAlloc", realHeapAlloc);
    Restore(module, "kernel32.dll", "LocalAlloc", realLocalAlloc);

    EXPECT_STREQ(std::string(description_).substr(0, 26).c_str(), "line 0 of a description\r\nl");
    const int missingImports = (999 - 5 + static_cast<int>(std::size(files)) - 1) /
                               static_cast<int>(std::size(files)); // files[5], every round
    EXPECT_EQ(described, 999 - missingImports) << "every file but the missing one gives a description";
    EXPECT_EQ(shortPathAllocations, 0);
    EXPECT_EQ(longPathReleases, longPathAllocations) << "everything taken is given back";
}

TEST_F(ImportResources, NoHandleOutlivesAnImportWhateverTheOutcome)
{
    // Read, an empty file, a missing file, a folder, and a file locked against
    // reading: every way through the import that opens or tries to.
    const std::string empty = directory_.Write("EMPTY.TXT", "");
    const std::string missing = (directory_.Path() / "MISSING.TXT").string();
    const std::string folder = directory_.Path().string();
    const std::string locked = directory_.Write("LOCKED.TXT", "locked");
    HANDLE lock = ::CreateFileA(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    const std::string paths[] = {file_, empty, missing, folder, locked};
    test::PathCallback::Answer(file_);
    plugin_.importDesc(0, 0, "README.TXT\0", description_,
                       &test::PathCallback::Resolve); // settle caches
    const std::uintptr_t before = NextHandleValue();
    int described = 0;
    for (int i = 0; i < 2000; ++i) {
        test::PathCallback::Answer(paths[i % 5]);
        ASSERT_TRUE(
            plugin_.importDesc(0, 0, "README.TXT\0", description_, &test::PathCallback::Resolve));
        described += description_[0] != '\0' ? 1 : 0;
    }
    const std::uintptr_t after = NextHandleValue();
    ::CloseHandle(lock);

    EXPECT_EQ(described, 400); // only the readable file gives a description
    EXPECT_EQ(after, before);
}

} // namespace
} // namespace zandrel
