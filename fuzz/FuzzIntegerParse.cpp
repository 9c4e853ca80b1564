// The setup dialog's integer parse on any text of up to 255 characters, against
// a plain restatement of its rules; and every value formatted back parses to
// itself.
#include <optional>
#include <string>
#include <string_view>

#include "FuzzInput.h"
#include "setup/IntegerParse.h"

namespace {

int HexValue(char c)
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

std::optional<std::int32_t> ReferenceParse(std::string_view text)
{
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    std::size_t prefix = 0;
    if (!text.empty() && (text[0] == '$' || text[0] == 'x' || text[0] == 'X')) {
        prefix = 1;
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        prefix = 2;
    }
    if (prefix > 0) {
        std::string_view digits = text.substr(prefix);
        if (digits.empty()) {
            return std::nullopt;
        }
        std::uint64_t value = 0;
        int significant = 0;
        for (char c : digits) {
            const int digit = HexValue(c);
            if (digit < 0) {
                return std::nullopt;
            }
            if (significant > 0 || digit != 0) {
                ++significant;
            }
            value = value * 16 + static_cast<std::uint64_t>(digit);
            if (significant > 8) {
                return std::nullopt;
            }
        }
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    }
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
        if (value > 2147483648LL) {
            return std::nullopt;
        }
    }
    value = negative ? -value : value;
    if (value > 2147483647LL) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zandrel;
    const std::size_t length = size < 255 ? size : 255;
    auto copy = std::make_unique<char[]>(length);
    std::memcpy(copy.get(), data, length);
    const std::string_view text(copy.get(), length);

    if (ParseInteger(text) != ReferenceParse(text)) {
        fuzz::Fail("parse differs from its rules");
    }
    if (size >= 4) {
        const auto value =
            static_cast<std::int32_t>(std::uint32_t{data[0]} | std::uint32_t{data[1]} << 8 |
                                      std::uint32_t{data[2]} << 16 | std::uint32_t{data[3]} << 24);
        if (ParseInteger(FormatInteger(value)) != value) {
            fuzz::Fail("a formatted value does not parse back to itself");
        }
    }
    return 0;
}
