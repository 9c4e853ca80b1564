#pragma once
// The types of the callbacks exchanged with the host. Every one of them, in
// both directions, uses the standard Windows calling convention (arguments
// pushed last first, the callee removes them). A 16-bit Action travels in a
// 32-bit slot whose upper half is ignored.
//
// Portable, so that the import and its native tests can name the callback
// types; on non-Windows builds the calling convention is empty.

#include <cstdint>

#if defined(_WIN32)
#define ZANDREL_STDCALL __stdcall
#else
#define ZANDREL_STDCALL
#endif

struct HWND__; // the Windows window handle type (HWND) under STRICT

namespace zandrel {

// Host -> plug-in, at registration: (0, 2, display name, joined masks, configure).
// The result is not read.
using ConfigureDescPluginProc = void(ZANDREL_STDCALL*)(std::uint32_t reserved, HWND__* ownerWindow,
                                                       std::uint16_t action);
using DescRegisterProc = std::int32_t(ZANDREL_STDCALL*)(std::int32_t zero, std::int32_t two,
                                                        const char* displayName, const char* masks,
                                                        ConfigureDescPluginProc configure);

// Host callback: the path under which the chosen name can be read. A null or
// empty result means there is no file. The text must stay valid until opened.
using ResolvePathProc = const char*(ZANDREL_STDCALL*)(const char* name);

} // namespace zandrel
