#pragma once

#include "base/StepChar.h"

namespace zandrel {

// Fixes the facts of base/StepChar.h from the system: on Windows from
// GetSystemMetrics(SM_DBCSENABLED) and GetCPInfo(CP_ACP); elsewhere
// single-byte. Called once, at library start.
void InitCodePageFacts() noexcept;

} // namespace zandrel
