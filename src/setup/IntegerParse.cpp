#include "setup/IntegerParse.h"

namespace zandrel {
namespace {

int HexDigitValue(char c) noexcept
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::optional<std::int32_t> ParseHexDigits(std::string_view digits) noexcept
{
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    int significant = 0;
    for (const char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0) {
            return std::nullopt;
        }
        if (value != 0 || digit != 0) {
            if (++significant > 8) {
                return std::nullopt;
            }
        }
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> ParseDecimal(std::string_view text) noexcept
{
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    // Accumulate the magnitude; 2147483648 is allowed only with the minus sign.
    const std::uint32_t limit = negative ? 2147483648u : 2147483647u;
    std::uint32_t magnitude = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        const auto digit = static_cast<std::uint32_t>(c - '0');
        if (magnitude > (limit - digit) / 10) {
            return std::nullopt;
        }
        magnitude = magnitude * 10 + digit;
    }
    return static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
}

} // namespace

std::optional<std::int32_t> ParseInteger(std::string_view text) noexcept
{
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    if (text.front() == '$' || text.front() == 'x' || text.front() == 'X') {
        return ParseHexDigits(text.substr(1));
    }
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return ParseHexDigits(text.substr(2));
    }
    return ParseDecimal(text);
}

std::string FormatInteger(std::int32_t value)
{
    return std::to_string(value);
}

} // namespace zandrel
