#pragma once

#include <cstdint>

namespace zandrel {

// The line limit of the settings record as the import takes it.
struct LineLimit {
    bool enabled = false;   // the limit flag
    std::int32_t lines = 0; // the line limit; 0 or less keeps nothing
};

// Keeps the first `lines` lines of the zero-terminated text, each with the line
// break that ends it, by storing a zero byte after them; 0 or less empties the
// text. CR LF, LF CR, CR LF LF and LF CR CR each end one line; CR CR and LF LF
// end two. A last line without a break counts as a line. Works in place.
void ApplyLineLimit(char* text, std::int32_t lines) noexcept;

} // namespace zandrel
