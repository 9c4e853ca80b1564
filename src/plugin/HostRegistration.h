#pragma once
// The host's registration callback as the last RegisterDescPlugins call
// passed it; null until the first call. The setup dialog's OK registers again
// through it.

#include "plugin/ZandrelPlugin.h"

namespace zandrel {

extern DescRegisterProc HostRegisterProc;

// The display name under which the importer registers.
inline constexpr char DisplayName[] = "Zandrel File Import";

} // namespace zandrel
