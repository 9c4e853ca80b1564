#pragma once
// The real registry: RegistryApi over advapi32. Windows builds only.

#include "platform/RegistryApi.h"

namespace zandrel {

// The one process-wide instance; it holds no state of its own.
RegistryApi& AdvapiRegistry() noexcept;

} // namespace zandrel
