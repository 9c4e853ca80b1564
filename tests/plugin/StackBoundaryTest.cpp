// The stack at the plug-in's boundary on i686. A caller in assembly
// (StdcallThunk.S) pushes the argument slots of each export and of the
// configuration callback as full 32-bit slots, calls, and notes ESP before the
// pushes and after the return, and the callee-saved registers, which it loads
// with values of its own first. The callbacks that the DLL calls are the
// test's own stdcall functions, so they run inside the measured call.
//
// ZANDREL_PLUGIN_DLL names another copy of the DLL to load: the ctest entry
// plugin_stack_test_short_pop runs the import tests against a copy whose
// ImportDesc_ParentItem removes 4 bytes too few, and expects them to say so.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <sstream>
#include <string>
#include <thread>

#include "support/DialogDriver.h"
#include "support/HostBuffer.h"
#include "support/PathCallback.h"
#include "support/PluginLibrary.h"
#include "support/SettingsRegistry.h"
#include "support/TempDirectory.h"

struct CalleeSaved {
    std::uint32_t ebx, esi, edi, ebp;
};

// What CallStdcall saw; the offsets are spelled out in StdcallThunk.S.
struct StdcallRecord {
    CalleeSaved loaded; // put into the registers before the first push
    CalleeSaved after;  // found in them after the last return
    std::uint32_t espBefore;
    std::uint32_t espAfter;
    std::uint32_t eax;
};
static_assert(offsetof(StdcallRecord, after) == 16 && offsetof(StdcallRecord, espBefore) == 32 &&
              offsetof(StdcallRecord, espAfter) == 36 && offsetof(StdcallRecord, eax) == 40);

extern "C" {
void CallStdcall(const void* function, const std::uint32_t* args, int count, int repeat,
                 StdcallRecord* record);
// Faulty callees, to show that the thunk sees what it is meant to see.
void RemovesEightOfFour(); // one slot pushed, eight bytes removed
void ChangesCalleeSaved(); // no slots; inverts EBX, ESI, EDI and EBP
}

namespace zandrel::test {
namespace {

template <typename T> std::uint32_t Slot(T* pointer)
{
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(pointer));
}

std::string Hex(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

// One call, or `repeat` calls in a row, through the thunk, with register
// values that no earlier call used.
template <typename Function>
StdcallRecord Call(Function function, std::initializer_list<std::uint32_t> slots, int repeat = 1)
{
    static std::uint32_t round = 0;
    ++round;
    StdcallRecord record{};
    record.loaded = {0xEB000000u + round, 0x5E000000u + round, 0xD1000000u + round,
                     0xBB000000u + round};
    CallStdcall(reinterpret_cast<const void*>(reinterpret_cast<std::uintptr_t>(function)),
                slots.begin(), static_cast<int>(slots.size()), repeat, &record);
    return record;
}

// ESP back where it was before the pushes, and the four registers kept.
::testing::AssertionResult Balanced(const std::string& what, const StdcallRecord& r,
                                    std::size_t slots, int repeat = 1)
{
    std::ostringstream faults;
    const auto moved = static_cast<std::int32_t>(r.espAfter - r.espBefore);
    if (moved != 0) {
        const auto pushed = static_cast<std::int32_t>(4 * slots) * repeat;
        faults << "\n"
               << what << ": ESP after the " << (repeat > 1 ? "last " : "") << "return is "
               << std::abs(moved) << " bytes " << (moved < 0 ? "below" : "above")
               << " ESP before the pushes (" << pushed << " bytes pushed, " << pushed + moved
               << " removed)";
    }
    const struct {
        const char* name;
        std::uint32_t loaded;
        std::uint32_t after;
    } registers[] = {{"EBX", r.loaded.ebx, r.after.ebx},
                     {"ESI", r.loaded.esi, r.after.esi},
                     {"EDI", r.loaded.edi, r.after.edi},
                     {"EBP", r.loaded.ebp, r.after.ebp}};
    for (const auto& reg : registers) {
        if (reg.after != reg.loaded) {
            faults << "\n"
                   << what << ": " << reg.name << " is " << Hex(reg.after) << " after the call, "
                   << Hex(reg.loaded) << " before";
        }
    }
    if (faults.str().empty()) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << faults.str();
}

std::uint32_t __stdcall PackStdcall(std::uint32_t a, std::uint32_t b, std::uint32_t c)
{
    return a << 16 | b << 8 | c;
}
std::uint32_t __cdecl PackCdecl(std::uint32_t a, std::uint32_t b, std::uint32_t c)
{
    return a << 16 | b << 8 | c;
}

TEST(StdcallThunkTest, SeesArgumentOrderAndEveryKindOfImbalance)
{
    const struct {
        const char* what;
        const void* function;
        int slots; // of {1, 2, 3}
        int repeat;
        std::int32_t moved;
        bool registersKept;
    } rows[] = {
        {"stdcall", reinterpret_cast<const void*>(&PackStdcall), 3, 1, 0, true},
        {"stdcall, 3 in a row", reinterpret_cast<const void*>(&PackStdcall), 3, 3, 0, true},
        {"cdecl: removes nothing", reinterpret_cast<const void*>(&PackCdecl), 3, 1, -12, true},
        {"cdecl, 3 in a row", reinterpret_cast<const void*>(&PackCdecl), 3, 3, -36, true},
        {"removes 8 of 4", reinterpret_cast<const void*>(&RemovesEightOfFour), 1, 1, 4, true},
        {"changes EBX ESI EDI EBP", reinterpret_cast<const void*>(&ChangesCalleeSaved), 0, 1, 0,
         false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const std::uint32_t args[] = {1, 2, 3};
        StdcallRecord r{};
        r.loaded = {0x1B1B1B1B, 0x51515151, 0xD1D1D1D1, 0xB9B9B9B9};
        CallStdcall(row.function, args, row.slots, row.repeat, &r);
        EXPECT_NE(r.espBefore, 0u);
        EXPECT_EQ(static_cast<std::int32_t>(r.espAfter - r.espBefore), row.moved);
        EXPECT_EQ(r.after.ebx == r.loaded.ebx && r.after.esi == r.loaded.esi &&
                      r.after.edi == r.loaded.edi && r.after.ebp == r.loaded.ebp,
                  row.registersKept);
        EXPECT_EQ(static_cast<bool>(Balanced(row.what, r, row.slots, row.repeat)),
                  row.moved == 0 && row.registersKept);
        if (row.slots == 3) {
            EXPECT_EQ(r.eax, 0x010203u) << "args[0] is the first argument";
        }
    }
}

constexpr char Names[] = "NOTES.TXT\0";
constexpr char DialogTitle[] = "Zandrel File Plugin 0.90";

// Waits for the setup dialog on `thread`, then closes it with the button
// `command`, focused first as a click would (OK in the focused mask edit adds a
// mask instead). False when no dialog appeared or it did not close.
bool CloseDialogOf(DWORD thread, int command)
{
    HWND dialog = nullptr;
    const bool shown = DialogDriver::WaitUntil(
        [&] {
            for (HWND window : ThreadWindows(thread)) {
                if (ClassOf(window) == "#32770" && StoredTitleOf(window) == DialogTitle &&
                    ::IsWindowVisible(window)) {
                    dialog = window;
                    return true;
                }
            }
            return false;
        },
        std::chrono::seconds(30));
    if (!shown) {
        return false;
    }
    const HWND button = ::GetDlgItem(dialog, command);
    ::PostMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(button), TRUE);
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
    if (DialogDriver::WaitUntil([&] { return !::IsWindowVisible(dialog); })) {
        return true;
    }
    ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); // not left waiting for ever
    return false;
}

const char* PluginUnderTest()
{
    const char* path = std::getenv("ZANDREL_PLUGIN_DLL");
    return path != nullptr && *path != '\0' ? path : PluginPath;
}

class StackBoundaryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegistrationLog::Clear();
        ASSERT_TRUE(plugin_.Loaded()) << PluginUnderTest();
    }

    SettingsRegistry registry_; // no keys: the defaults are loaded
    PluginLibrary plugin_{PluginUnderTest()};
    const TempDirectory directory_;
    const std::string file_ = directory_.Write("notes.txt", " Notes \r\n\r\nsecond line\n");
};

TEST_F(StackBoundaryTest, ModuleInfoAndRegistration)
{
    char moduleText[64] = {};
    char authorText[64] = {};
    char versionText[64] = {};
    StdcallRecord r =
        Call(plugin_.moduleInfo, {Slot(moduleText), Slot(authorText), Slot(versionText)});
    EXPECT_TRUE(Balanced("ModuleInfo", r, 3));
    EXPECT_EQ(r.eax, Slot(versionText));
    EXPECT_STREQ(moduleText, "Zandrel File Import Module");
    EXPECT_STREQ(authorText, "Dravonen");
    EXPECT_STREQ(versionText, "0.91");

    r = Call(plugin_.registerDescPlugins, {Slot(&RegistrationLog::RecordFirst)});
    EXPECT_TRUE(Balanced("RegisterDescPlugins", r, 1));
    ExpectDefaultRegistration(RegistrationLog::First());
}

TEST_F(StackBoundaryTest, ImportRunsByTheLow16BitsOfTheActionSlot)
{
    const struct {
        std::uint32_t actionSlot;
        bool imports;
    } rows[] = {{0, true}, {0x00010000, true}, {1, false}, {0x00010001, false}};
    for (const auto& row : rows) {
        const std::string what = "ImportDesc_ParentItem (action slot " + Hex(row.actionSlot) + ")";
        PathCallback::Answer(file_);
        HostBuffer description;
        const StdcallRecord r =
            Call(plugin_.importDesc, {row.actionSlot, 0xDEADBEEF, Slot(Names),
                                      Slot(description.data()), Slot(&PathCallback::Resolve)});
        EXPECT_TRUE(Balanced(what, r, 5));
        EXPECT_EQ(r.eax & 0xFF, 1u) << what;
        EXPECT_EQ(PathCallback::calls, row.imports ? 1 : 0) << what;
        if (row.imports) {
            EXPECT_STREQ(PathCallback::askedName, "NOTES.TXT") << what;
        }
        EXPECT_EQ(description.Text(), row.imports ? "Notes\r\nsecond line" : "") << what;
        EXPECT_TRUE(description.NothingPastTheZero()) << what;
    }
}

TEST_F(StackBoundaryTest, AThousandImportsInARowLeaveEspWhereItWas)
{
    PathCallback::Answer(file_);
    HostBuffer description;
    const StdcallRecord r =
        Call(plugin_.importDesc,
             {0, 0, Slot(Names), Slot(description.data()), Slot(&PathCallback::Resolve)}, 1000);
    EXPECT_TRUE(Balanced("1000 calls of ImportDesc_ParentItem", r, 5, 1000));
    EXPECT_EQ(PathCallback::calls, 1000);
    EXPECT_EQ(r.eax & 0xFF, 1u);
    EXPECT_EQ(description.Text(), "Notes\r\nsecond line");
}

TEST_F(StackBoundaryTest, ConfigurationCallbackWithAndWithoutTheDialog)
{
    Call(plugin_.registerDescPlugins, {Slot(&RegistrationLog::RecordFirst)});
    ASSERT_EQ(RegistrationLog::First().size(), 1u);
    const ConfigureProc configure = RegistrationLog::First()[0].configure;
    ASSERT_NE(configure, nullptr);
    const struct {
        std::uint32_t actionSlot;
        int closeWith; // 0: returns at once, no dialog
    } rows[] = {{1, 0},
                {0x00010001, 0},
                {0xFFFF, 0},
                {0x00010000, IDCANCEL},
                {0, IDOK}}; // OK registers again from inside the call
    for (const auto& row : rows) {
        const std::string what = "ConfigureDescPlugin (action slot " + Hex(row.actionSlot) + ")";
        const std::size_t registrations = RegistrationLog::First().size();
        std::atomic<bool> closed{false};
        std::thread closer;
        if (row.closeWith != 0) {
            closer = std::thread([&, thread = ::GetCurrentThreadId()] {
                closed = CloseDialogOf(thread, row.closeWith);
            });
        }
        RegistrationLog::InsideConfigure() = true;
        const StdcallRecord r = Call(configure, {0x12345678, 0, row.actionSlot});
        RegistrationLog::InsideConfigure() = false;
        if (closer.joinable()) {
            closer.join();
        }
        EXPECT_TRUE(Balanced(what, r, 3));
        EXPECT_EQ(closed.load(), row.closeWith != 0) << what << ": the dialog shown and closed";
        const auto& calls = RegistrationLog::First();
        ASSERT_EQ(calls.size(), registrations + (row.closeWith == IDOK ? 1 : 0)) << what;
        if (row.closeWith == IDOK) {
            EXPECT_TRUE(calls.back().duringConfigure);
            EXPECT_EQ(calls.back().zero, 0);
            EXPECT_EQ(calls.back().two, 2);
            EXPECT_EQ(calls.back().displayName, "Zandrel File Import");
            EXPECT_EQ(calls.back().masks, "README.TXT;*.TXT");
            EXPECT_EQ(calls.back().configure, configure);
        }
    }
}

} // namespace
} // namespace zandrel::test
