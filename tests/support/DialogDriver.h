#pragma once
// Drives a modal dialog that runs on another thread the way a person would:
// mouse clicks and key strokes through SendInput, as the system's own input.
// A message hook on the dialog's thread tells when the input has been taken
// from its queue; a sent WM_NULL then returns only once its handling is over
// (or a nested modal loop, such as a message box, has started). Windows only.

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace zandrel::test {

inline BOOL CALLBACK CollectWindow(HWND window, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

inline std::vector<HWND> ThreadWindows(DWORD thread)
{
    std::vector<HWND> windows;
    ::EnumThreadWindows(thread, CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

inline std::vector<HWND> ChildWindows(HWND parent)
{
    std::vector<HWND> windows;
    ::EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

inline std::string ClassOf(HWND window)
{
    char name[256] = {};
    ::GetClassNameA(window, name, sizeof name);
    return name;
}

// The stored title, without a message to a thread that may not be pumping
// (GetWindowText would wait for it).
inline std::string StoredTitleOf(HWND window)
{
    wchar_t wide[256] = {};
    char text[256] = {};
    ::InternalGetWindowText(window, wide, 256);
    ::WideCharToMultiByte(CP_ACP, 0, wide, -1, text, sizeof text, nullptr, nullptr);
    return text;
}

class DialogDriver {
public:
    explicit DialogDriver(DWORD dialogThread) : dialogThread_(dialogThread)
    {
        hook_ = ::SetWindowsHookExA(WH_GETMESSAGE, GetMessageHook, nullptr, dialogThread);
    }
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;
    ~DialogDriver()
    {
        if (hook_ != nullptr) {
            ::UnhookWindowsHookEx(hook_);
        }
    }

    [[nodiscard]] bool Hooked() const { return hook_ != nullptr; }

    // A visible top-level window of the dialog thread with this class and title.
    [[nodiscard]] HWND
    WaitForWindow(const char* className, const char* title,
                  std::chrono::milliseconds timeout = std::chrono::seconds(60)) const
    {
        HWND found = nullptr;
        WaitUntil(
            [&] {
                found = FindThreadWindow(className, title);
                return found != nullptr && ::IsWindowVisible(found);
            },
            timeout);
        return found != nullptr && ::IsWindowVisible(found) ? found : nullptr;
    }

    [[nodiscard]] HWND FindThreadWindow(const char* className, const char* title) const
    {
        for (HWND window : ThreadWindows(dialogThread_)) {
            if (ClassOf(window) == className &&
                (title == nullptr || StoredTitleOf(window) == title)) {
                return window;
            }
        }
        return nullptr;
    }

    // A visible dialog (or message box) of the dialog thread, if any.
    [[nodiscard]] HWND VisibleThreadDialog() const
    {
        for (HWND window : ThreadWindows(dialogThread_)) {
            if (ClassOf(window) == "#32770" && ::IsWindowVisible(window)) {
                return window;
            }
        }
        return nullptr;
    }

    // A left click in the middle of the window (a control, usually).
    bool Click(HWND window) { return ClickAt(window, -1, -1); }

    // A left click at client coordinates of the window (-1, -1: its middle).
    bool ClickAt(HWND window, int clientX, int clientY)
    {
        RECT rect{};
        ::GetClientRect(window, &rect);
        POINT point{clientX >= 0 ? clientX : (rect.right - rect.left) / 2,
                    clientY >= 0 ? clientY : (rect.bottom - rect.top) / 2};
        ::ClientToScreen(window, &point);
        const int width = ::GetSystemMetrics(SM_CXSCREEN);
        const int height = ::GetSystemMetrics(SM_CYSCREEN);
        INPUT inputs[3] = {};
        for (INPUT& input : inputs) {
            input.type = INPUT_MOUSE;
            // 0..65535 across the screen, rounded up so that it maps back to the pixel.
            input.mi.dx = (point.x * 65536 + width - 1) / width;
            input.mi.dy = (point.y * 65536 + height - 1) / height;
            input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        }
        // The pointer is moved first and the press waits until it is there:
        // Wine may still be catching up with an earlier pointer position.
        if (::SendInput(1, inputs, sizeof(INPUT)) != 1 || !WaitUntil([&] {
                POINT cursor{};
                return ::GetCursorPos(&cursor) && std::abs(cursor.x - point.x) <= 1 &&
                       std::abs(cursor.y - point.y) <= 1;
            })) {
            return false;
        }
        // Each event carries the position, so a late pointer update cannot
        // move the press elsewhere.
        inputs[1].mi.dwFlags |= MOUSEEVENTF_LEFTDOWN;
        inputs[2].mi.dwFlags |= MOUSEEVENTF_LEFTUP;
        return SendAndSettle(inputs + 1, 2, WM_LBUTTONUP);
    }

    // One key, pressed and released.
    bool PressKey(WORD virtualKey)
    {
        INPUT inputs[2] = {};
        inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
        inputs[0].ki.wVk = inputs[1].ki.wVk = virtualKey;
        inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
        return SendAndSettle(inputs, 2, WM_KEYUP);
    }

    // Characters as typed on the keyboard, one key stroke each.
    bool Type(const std::string& text)
    {
        for (const char c : text) {
            INPUT inputs[2] = {};
            inputs[0].type = inputs[1].type = INPUT_KEYBOARD;
            inputs[0].ki.wScan = inputs[1].ki.wScan = static_cast<unsigned char>(c);
            inputs[0].ki.dwFlags = KEYEVENTF_UNICODE;
            inputs[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
            if (!SendAndSettle(inputs, 2, WM_KEYUP)) {
                return false;
            }
        }
        return true;
    }

    // Returns once the dialog thread has handled everything sent before.
    bool Settle(HWND window) const
    {
        DWORD_PTR result = 0;
        return ::SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result) != 0;
    }

    template <typename Predicate>
    static bool WaitUntil(Predicate predicate,
                          std::chrono::milliseconds timeout = std::chrono::seconds(60))
    {
        const auto end = std::chrono::steady_clock::now() + timeout;
        while (!predicate()) {
            if (std::chrono::steady_clock::now() > end) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }

private:
    // Runs on the dialog's thread; shared by all drivers (one at a time).
    static LRESULT CALLBACK GetMessageHook(int code, WPARAM removal, LPARAM message)
    {
        if (code == HC_ACTION && removal == PM_REMOVE) {
            const auto* msg = reinterpret_cast<const MSG*>(message);
            if (msg->message == WM_LBUTTONUP || msg->message == WM_KEYUP) {
                lastInput_.store(msg->message);
                inputCount_.fetch_add(1);
            }
        }
        return ::CallNextHookEx(nullptr, code, removal, message);
    }

    bool SendAndSettle(INPUT* inputs, UINT count, UINT lastMessage)
    {
        const long before = inputCount_.load();
        if (::SendInput(count, inputs, sizeof(INPUT)) != count) {
            return false;
        }
        // The dialog thread has taken the last event from its queue, or the
        // input closed the last dialog (its loop then takes nothing more)...
        if (!WaitUntil([&] {
                return (inputCount_.load() > before && lastInput_.load() == lastMessage) ||
                       VisibleThreadDialog() == nullptr;
            })) {
            return false;
        }
        // ...and, once a sent message comes through, has handled it.
        HWND dialog = VisibleThreadDialog();
        return dialog == nullptr || Settle(dialog) || !::IsWindow(dialog);
    }

    DWORD dialogThread_;
    HHOOK hook_ = nullptr;
    static inline std::atomic<long> inputCount_{0};
    static inline std::atomic<UINT> lastInput_{0};
};

} // namespace zandrel::test
