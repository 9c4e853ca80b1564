#pragma once

#include <string_view>

namespace zandrel {

// Whether the file name `name` ends with `ending`, given in capitals, in any
// case. Byte by byte: no code page has a trail byte as low as the dot, so an
// ending that starts with one is whole characters.
[[nodiscard]] inline bool NameEndsWith(std::string_view name, std::string_view ending) noexcept
{
    if (name.size() < ending.size()) {
        return false;
    }
    const std::string_view tail = name.substr(name.size() - ending.size());
    for (std::size_t i = 0; i < ending.size(); ++i) {
        const char c = tail[i];
        const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        if (upper != ending[i]) {
            return false;
        }
    }
    return true;
}

} // namespace zandrel
