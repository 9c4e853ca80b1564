#pragma once
// The plug-in's boundary with the host: the three exports and the callbacks
// exchanged through them. Every function here, in both directions, uses the
// standard Windows calling convention (arguments pushed last first, the callee
// removes them). Boolean results are one byte. A 16-bit Action travels in a
// 32-bit slot whose upper half is ignored.
//
// The header is portable so that the import core and its native tests can name
// the callback types; on non-Windows builds the calling convention is empty.

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

extern "C" {

// Ordinal 1. Writes the description of the parent item whose matching file
// names are listed in Names (laid end to end, closed by an empty name) into
// Description (at most 4,095 bytes and the terminating zero). True whenever
// Description is not null, whether or not a description was produced.
bool ZANDREL_STDCALL ImportDesc_ParentItem(std::uint16_t action, std::uint32_t reserved,
                                           const char* names, char* description,
                                           zandrel::ResolvePathProc resolvePath) noexcept;

// Ordinal 2. Remembers the host's registration callback and registers through it.
void ZANDREL_STDCALL RegisterDescPlugins(zandrel::DescRegisterProc registerProc) noexcept;

// Ordinal 3. Copies the module, author and version texts; returns versionText.
char* ZANDREL_STDCALL ModuleInfo(char* moduleText, char* authorText, char* versionText) noexcept;

} // extern "C"
