#pragma once
// The text form of the mask list, as the FileMasks value holds it: items
// separated by commas; an item holding a blank (0x01-0x20), a double quote or a
// comma is written between double quotes with its quotes doubled. Reading also
// skips blanks around items and lets a blank end a bare item. Both directions
// step through the text one ANSI character at a time (StepChar), so the second
// byte of a double-byte character is never taken for a blank, quote or comma.

#include <string>

#include "base/TStringList.h"

namespace zandrel {

// The list's text. A list of one empty item is written as two quotes; a list
// of two or more items that ends in an empty item loses that item when read
// back, since its text ends in a comma.
[[nodiscard]] std::string EncodeMaskList(const TStringList& list);

// Clears list and appends the items of the zero-terminated text in order.
// Never reads past the terminating zero: a quoted item without its closing
// quote runs to the end of the text.
void DecodeMaskList(const char* text, TStringList& list);

} // namespace zandrel
