#pragma once

namespace zandrel {

// Chooses the file to import from the host's name list (names laid end to end,
// closed by an empty name): the first name when it has a drive part ("X:..."
// or "\\..."), otherwise the first name with the fewest '/' and '\' characters.
// The walk stops at the first name without a separator. Names are stepped by
// character, so a double-byte character whose trail byte is 0x5C is no
// separator. An empty list gives the empty name. Returns a pointer into the list.
const char* ChooseCandidateName(const char* names) noexcept;

} // namespace zandrel
