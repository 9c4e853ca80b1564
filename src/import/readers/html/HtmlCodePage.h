#pragma once

#include <cstddef>

#include "platform/CodePageConversion.h"

namespace zandrel {

// The code page that a web page without a byte-order mark names for itself in
// the `count` bytes read: <meta charset=...> or <meta http-equiv="Content-Type"
// content="...; charset=...">. Returns false, leaving `codePage` alone, where
// it names none or one the import does not know.
[[nodiscard]] bool FindDeclaredCodePage(const char* bytes, std::size_t count,
                                        TextCodePage& codePage) noexcept;

} // namespace zandrel
