// How deep the import reaches into its caller's stack. A host may import on a
// worker thread with a small stack (a 64 KB reservation, as Windows allows), so
// the deepest point of the import is measured and bounded: on a thread of its
// own, the stack below the caller is painted, the import called through the
// DLL's export, and the deepest byte it changed found. Wine gives every thread
// at least 1 MB, so an import that goes too deep shows here as a number of
// bytes, never as a fault.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

#include "platform/HandleOwners.h"
#include "support/HostBuffer.h"
#include "support/LongPath.h"
#include "support/PathCallback.h"
#include "support/PluginLibrary.h"
#include "support/SettingsRegistry.h"
#include "support/TempDirectory.h"

namespace zandrel::test {
namespace {

constexpr std::size_t StackBound = 64 * 1024;
constexpr std::size_t ThreadStack = 1024 * 1024;
// Deeper than any import has gone (about 143 KB, before the long-path texts
// left the stack), well inside the thread's reservation.
constexpr std::size_t PaintDepth = 512 * 1024;
// The painter's own frame lies in this gap below the measuring frame.
constexpr std::size_t GapBelowCaller = 1024;
// Left unpainted at the bottom of the reservation: guard and overflow pages.
constexpr std::size_t BottomReserve = 64 * 1024;

struct StackUse {
    std::size_t bytes = 0;
    bool pastThePaint = false; // the deepest painted byte changed too: at least `bytes`
    std::string fault;         // why nothing could be measured
};

// Top down, so that a stack that grows page by page behind its guard page is
// touched in that order.
[[gnu::noinline]] void Paint(unsigned char* bottom, unsigned char* top, unsigned char value)
{
    for (volatile unsigned char* p = top; p != bottom;) {
        *--p = value;
    }
}

// The bytes of stack below this function's frame that `call` changed.
// Addresses are reckoned as numbers: the painted bytes belong to no object.
[[gnu::noinline]] StackUse MeasureHere(const std::function<void()>& call, unsigned char value)
{
    volatile unsigned char marker = 0;
    const auto caller = reinterpret_cast<std::uintptr_t>(&marker);
    MEMORY_BASIC_INFORMATION region{};
    StackUse use;
    if (::VirtualQuery(const_cast<unsigned char*>(&marker), &region, sizeof region) == 0) {
        use.fault = "VirtualQuery of the stack failed";
        return use;
    }
    const auto reserved = reinterpret_cast<std::uintptr_t>(region.AllocationBase);
    const std::uintptr_t top = caller - GapBelowCaller;
    if (top - reserved < PaintDepth + BottomReserve) {
        use.fault = "the thread's stack holds only " + std::to_string(caller - reserved) + " bytes";
        return use;
    }
    const std::uintptr_t bottom = top - PaintDepth;
    Paint(reinterpret_cast<unsigned char*>(bottom), reinterpret_cast<unsigned char*>(top), value);
    call();
    std::uintptr_t deepest = bottom;
    while (deepest != top && *reinterpret_cast<const volatile unsigned char*>(deepest) == value) {
        ++deepest;
    }
    use.bytes = caller - deepest;
    use.pastThePaint = deepest == bottom;
    return use;
}

struct Job {
    const std::function<void()>* call;
    StackUse use;
};

DWORD WINAPI RunJob(LPVOID parameter)
{
    auto& job = *static_cast<Job*>(parameter);
    // Two paints: a byte the call happens to write with the paint's own value
    // hides from one of them, not from both.
    const StackUse first = MeasureHere(*job.call, 0xA5);
    const StackUse second = MeasureHere(*job.call, 0x5A);
    job.use = first.bytes >= second.bytes ? first : second;
    job.use.fault = first.fault.empty() ? second.fault : first.fault;
    return 0;
}

// The stack use of `call` measured on a thread of its own, with a 1 MB stack.
StackUse MeasureOnThreadOfItsOwn(const std::function<void()>& call)
{
    Job job{&call, {}};
    const UniqueThread thread(::CreateThread(nullptr, ThreadStack, &RunJob, &job,
                                             STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr));
    if (!thread) {
        job.use.fault = "CreateThread failed";
        return job.use;
    }
    ::WaitForSingleObject(thread.Get(), INFINITE);
    return job.use;
}

std::string Bytes(const StackUse& use)
{
    return (use.pastThePaint ? "at least " : "") + std::to_string(use.bytes) + " bytes";
}

// A frame of a known size, to show that the meter sees depth where it is.
[[gnu::noinline]] int UsesNinetySixKilobytes()
{
    volatile unsigned char frame[96 * 1024];
    frame[0] = 1; // the lowest byte of the frame's array
    return frame[0];
}

TEST(StackMeter, SeesAFrameOfAKnownSize)
{
    const StackUse use =
        MeasureOnThreadOfItsOwn([] { static_cast<void>(UsesNinetySixKilobytes()); });
    ASSERT_EQ(use.fault, "");
    EXPECT_GE(use.bytes, 96u * 1024);
    EXPECT_LT(use.bytes, 96u * 1024 + 4096) << Bytes(use);
    EXPECT_FALSE(use.pastThePaint);
}

class ImportStackDepthTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(plugin_.Loaded()); }

    SettingsRegistry registry_; // no keys: the defaults are loaded
    PluginLibrary plugin_;
    const TempDirectory directory_;
};

TEST_F(ImportStackDepthTest, EveryImportStaysWithin64KilobytesOfTheCallersStack)
{
    const std::string longPath = LongPath(directory_.Path().string(), 300, "deep-folder");
    ASSERT_TRUE(WriteLongPathFile(longPath, "Deep Item\r\nat the end of a long path\r\n"));
    const struct {
        const char* what;
        const char* names;
        std::string path;
        const char* holds; // a piece of the description; nullptr: the empty description
    } rows[] = {
        {"a short path", "README.TXT\0",
         directory_.Write("README.TXT", "  Harbour Clock\r\nVersion 1.3\r\n"),
         "Harbour Clock\r\nVersion 1.3"},
        {"a path of 300 bytes", "README.TXT\0", longPath, "Deep Item\r\nat the end"},
        {"a path of 300 bytes to no file", "README.TXT\0", longPath.substr(0, 296) + ".doc",
         nullptr},
        {"an HTML page", "README.HTM\0",
         directory_.Write("README.htm",
                          "<!DOCTYPE html>\r\n<html><head><title>Harbour Clock</title></head>\r\n"
                          "<body><h1>Harbour Clock</h1><p>Alarm times are kept per "
                          "user.</p></body></html>\r\n"),
         "Harbour Clock\r\nAlarm times"},
        {"a Markdown file", "README.md\0",
         directory_.Write("README.md", "Harbour Clock\n=============\n\n[![badge](b.svg)](ci) "
                                       "Alarm times are kept *per user*.\n"),
         "Harbour Clock\r\nAlarm times"},
        {"a reStructuredText file", "README.rst\0",
         directory_.Write("README.rst", "=============\nHarbour Clock\n=============\n\n"
                                        ".. image:: b.svg\n   :target: ci\n\n"
                                        "Alarm times are kept *per user*.\n"),
         "Harbour Clock\r\nAlarm times"},
        {"a Rich Text document", "README.RTF\0",
         directory_.Write("README.RTF",
                          "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}"
                          "{\\f1\\fnil\\fcharset128 MS Gothic;}}{\\*\\generator Riched20;}"
                          "\\pard\\b Harbour Clock\\b0\\par Alarm times \\f1\\'82\\'a0\\f0  "
                          "are kept per user.\\par}"),
         "Harbour Clock\r\nAlarm times"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        PathCallback::Answer(row.path);
        HostBuffer description;
        bool imported = false;
        const StackUse use = MeasureOnThreadOfItsOwn([&] {
            imported =
                plugin_.importDesc(0, 0, row.names, description.data(), &PathCallback::Resolve);
        });
        ASSERT_EQ(use.fault, "");
        std::printf("stack used by the import of %s (%zu bytes): %s\n", row.what, row.path.size(),
                    Bytes(use).c_str());
        EXPECT_TRUE(imported);
        EXPECT_EQ(PathCallback::calls, 2) << "asked once per paint";
        if (row.holds == nullptr) {
            EXPECT_EQ(description.Text(), "");
        } else {
            EXPECT_NE(description.Text().find(row.holds), std::string::npos) << description.Text();
        }
        EXPECT_TRUE(description.NothingPastTheZero());
        EXPECT_LE(use.bytes, StackBound)
            << "the import of " << row.what << " used " << Bytes(use) << " of the caller's stack";
    }
}

} // namespace
} // namespace zandrel::test
