#pragma once
// Text to standard output and standard error. On a console the ANSI text is
// shown through the console's wide-character output, so that it reads right
// whatever the console's own code page; into a pipe or file the bytes go
// unchanged, and lines end in CR LF as on every Windows console.

#include <string_view>

namespace zandrel::host {

void WriteOut(std::string_view text);
void WriteErr(std::string_view text);

} // namespace zandrel::host
