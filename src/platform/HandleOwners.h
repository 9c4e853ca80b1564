#pragma once
// Move-only owners of everything the plug-in and its host open, so that every
// path closes what it opened and no code closes a handle by hand. One traits
// type per kind of handle: Handle, static Handle Invalid(), and Close(Handle),
// which may use state of its own (the seam that handed the handle out).

#include <utility>

#include "platform/FileSource.h"
#include "platform/RegistryApi.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace zandrel {

template <typename Traits> class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(Handle handle, Traits traits = {}) noexcept
        : handle_(handle), traits_(traits)
    {
    }
    UniqueHandle(UniqueHandle&& other) noexcept
        : handle_(std::exchange(other.handle_, Traits::Invalid())), traits_(other.traits_)
    {
    }
    UniqueHandle& operator=(UniqueHandle&& other) noexcept
    {
        if (this != &other) {
            Reset(std::exchange(other.handle_, Traits::Invalid()));
            traits_ = other.traits_;
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { Reset(); }

    [[nodiscard]] Handle Get() const noexcept { return handle_; }
    [[nodiscard]] explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }
    [[nodiscard]] Handle Release() noexcept { return std::exchange(handle_, Traits::Invalid()); }
    void Reset(Handle handle = Traits::Invalid()) noexcept
    {
        if (handle_ != Traits::Invalid()) {
            traits_.Close(handle_); // a failed close cannot be mended here
        }
        handle_ = handle;
    }

private:
    Handle handle_ = Traits::Invalid();
    [[no_unique_address]] Traits traits_{};
};

// A registry key, closed through the seam that opened it. The root key is
// predefined, not opened, and so never closed.
struct RegistryKeyTraits {
    using Handle = RegKey;
    RegistryApi* api = nullptr;
    static Handle Invalid() noexcept { return RegKey::None; }
    void Close(Handle key) const noexcept
    {
        if (key != RegKey::CurrentUser) {
            api->CloseKey(key);
        }
    }
};
using UniqueRegistryKey = UniqueHandle<RegistryKeyTraits>;

// The file a file source has open, closed through that source.
struct OpenFileTraits {
    using Handle = FileSource*;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle source) noexcept { source->Close(); }
};
using OpenFile = UniqueHandle<OpenFileTraits>;

#if defined(_WIN32)
struct FileTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle file) noexcept { ::CloseHandle(file); }
};
struct ModuleTraits {
    using Handle = HMODULE;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle module) noexcept { ::FreeLibrary(module); }
};
struct FindTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle search) noexcept { ::FindClose(search); }
};
// A thread: CreateThread answers a null handle, not INVALID_HANDLE_VALUE, on failure.
struct ThreadTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle thread) noexcept { ::CloseHandle(thread); }
};
using UniqueModule = UniqueHandle<ModuleTraits>;
using UniqueFind = UniqueHandle<FindTraits>;
using UniqueThread = UniqueHandle<ThreadTraits>;
#else
// A POSIX file descriptor.
struct FileTraits {
    using Handle = int;
    static Handle Invalid() noexcept { return -1; }
    static void Close(Handle file) noexcept { ::close(file); }
};
#endif
using UniqueFile = UniqueHandle<FileTraits>;

} // namespace zandrel
