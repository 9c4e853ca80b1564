#pragma once
// The line count as the user types it into the setup dialog.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zandrel {

// Leading spaces (32 only) are skipped. Then either decimal (optional '+' or
// '-', one or more digits, within a signed 32-bit integer) or hexadecimal ('$',
// 'x', 'X', '0x' or '0X', then one or more hex digits, no sign, at most eight
// significant digits taken as a 32-bit two's-complement pattern), up to the end
// of the text. Anything else, an empty text included, is no number.
[[nodiscard]] std::optional<std::int32_t> ParseInteger(std::string_view text) noexcept;

// Decimal, '-' when negative, no leading zeros or spaces.
[[nodiscard]] std::string FormatInteger(std::int32_t value);

} // namespace zandrel
