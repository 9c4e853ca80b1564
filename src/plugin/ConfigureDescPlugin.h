#pragma once

#include <cstdint>

#include "plugin/ZandrelPlugin.h"

namespace zandrel {

// Handed to the host at registration. Action 0 (the low 16 bits of its slot)
// runs the setup dialog modally, owned by ownerWindow, and returns when it has
// closed; any other Action returns at once. reserved is never read.
void ZANDREL_STDCALL ConfigureDescPlugin(std::uint32_t reserved, HWND__* ownerWindow,
                                         std::uint16_t action) noexcept;

} // namespace zandrel
