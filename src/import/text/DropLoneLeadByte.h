#pragma once

namespace zandrel {

// On a double-byte code page, ends `text` before a lead byte that has no trail
// byte after it: the read cut its character in two, or the file ends there.
// Kept, it would pair with the line break that the normaliser appends. Whether
// a byte is a lead byte is decided by stepping from the start, since a trail
// byte may have a lead byte's value.
void DropLoneLeadByte(char* text) noexcept;

} // namespace zandrel
