#pragma once

#include <string>

#include "base/TStringList.h"

namespace zandrel {

// The masks as the host's registration takes them: entries in list order,
// unchanged, separated by ';'. Empty entries stay empty fields; an empty list
// gives the empty text.
[[nodiscard]] std::string JoinMaskList(const TStringList& masks);

} // namespace zandrel
