#pragma once

namespace zandrel {

// Chooses the file to import from the host's name list (names laid end to end,
// closed by an empty name): the first name when it has a drive part ("X:..."
// or "\\..."), otherwise the first name with the fewest '/' and '\' bytes. The
// walk stops at the first name without a separator. Bytes are counted one by
// one, so a double-byte character's trail byte 0x5C counts as a separator. An
// empty list gives the empty name. Returns a pointer into the list.
const char* ChooseCandidateName(const char* names) noexcept;

} // namespace zandrel
