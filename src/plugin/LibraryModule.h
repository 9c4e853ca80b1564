#pragma once

#include <windows.h>

namespace zandrel {

// The library's own module handle, recorded first thing at process attach:
// the dialog template is found among its resources.
[[nodiscard]] HMODULE LibraryModule() noexcept;

} // namespace zandrel
