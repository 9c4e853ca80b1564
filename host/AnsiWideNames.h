#pragma once
// File names and paths between the ANSI code page, in which the host hands them
// to the plug-in, and the wide form in which Windows lists and opens them at
// any length. Windows builds only.

#include <string>
#include <string_view>

namespace zandrel::host {

// The wide form of an ANSI text.
[[nodiscard]] std::wstring WideFromAnsi(std::string_view ansi);

// The ANSI form of a wide name; false when the code page cannot spell it
// (no best-fit look-alikes: a name that does not come back whole opens nothing).
[[nodiscard]] bool AnsiFromWide(std::wstring_view wide, std::string& ansi);

// The wide path that reaches the full ANSI path `path` joined with `name`:
// as it is while it fits the ANSI functions' limit (MAX_PATH, the zero
// included), else in its verbatim form ("\\?\", "\\?\UNC\" for a network path).
[[nodiscard]] std::wstring WidePathForListing(const std::string& path, std::wstring_view name);

} // namespace zandrel::host
