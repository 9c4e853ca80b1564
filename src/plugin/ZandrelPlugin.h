#pragma once
// The plug-in's boundary with the host: the three exports. Boolean results
// are one byte; the callback types and the calling convention are those of
// base/HostInterface.h.

#include <cstdint>

#include "base/HostInterface.h"

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
