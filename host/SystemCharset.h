#pragma once
// The name-matching facts of the system's ANSI code page.

#include "MaskMatch.h"

namespace zandrel::host {

// Lead bytes from GetCPInfo, upper case from CharUpperBuffA; built once.
[[nodiscard]] const NameCharset& SystemCharset();

} // namespace zandrel::host
