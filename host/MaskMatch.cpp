#include "MaskMatch.h"

#include <algorithm>

namespace zandrel::host {
namespace {

unsigned char Byte(char c) noexcept
{
    return static_cast<unsigned char>(c);
}

// One character of a text: two bytes at a lead byte with a byte after it.
std::size_t CharLength(std::string_view text, std::size_t pos, const NameCharset& charset) noexcept
{
    return (charset.leadByte[Byte(text[pos])] && pos + 1 < text.size()) ? 2 : 1;
}

bool SameChar(std::string_view a, std::size_t aPos, std::size_t aLength, std::string_view b,
              std::size_t bPos, std::size_t bLength, const NameCharset& charset) noexcept
{
    if (aLength != bLength) {
        return false;
    }
    if (aLength == 1) {
        return charset.upper[Byte(a[aPos])] == charset.upper[Byte(b[bPos])];
    }
    return a.substr(aPos, 2) == b.substr(bPos, 2);
}

bool IsWildcard(std::string_view mask, std::size_t pos, std::size_t length, char wildcard) noexcept
{
    return length == 1 && mask[pos] == wildcard;
}

// Wildcard match with one remembered star: on a mismatch the last star takes
// one more character of the name and the rest of the mask is tried again.
bool MatchWhole(std::string_view mask, std::string_view name, const NameCharset& charset)
{
    std::size_t m = 0;
    std::size_t n = 0;
    std::optional<std::size_t> maskAfterStar;
    std::size_t nameAtStar = 0;
    while (n < name.size()) {
        if (m < mask.size()) {
            const std::size_t maskLength = CharLength(mask, m, charset);
            const std::size_t nameLength = CharLength(name, n, charset);
            if (IsWildcard(mask, m, maskLength, '*')) {
                maskAfterStar = ++m;
                nameAtStar = n;
                continue;
            }
            if (IsWildcard(mask, m, maskLength, '?') ||
                SameChar(mask, m, maskLength, name, n, nameLength, charset)) {
                m += maskLength;
                n += nameLength;
                continue;
            }
        }
        if (!maskAfterStar) {
            return false;
        }
        nameAtStar += CharLength(name, nameAtStar, charset);
        n = nameAtStar;
        m = *maskAfterStar;
    }
    while (m < mask.size() && mask[m] == '*') {
        ++m;
    }
    return m == mask.size();
}

bool IsBlank(char c) noexcept
{
    return c == ' ' || c == '\t';
}

} // namespace

NameCharset NameCharset::Ascii() noexcept
{
    NameCharset charset;
    for (std::size_t i = 0; i < charset.upper.size(); ++i) {
        charset.upper[i] = static_cast<unsigned char>(i);
    }
    for (std::size_t c = 'a'; c <= 'z'; ++c) {
        charset.upper[c] = static_cast<unsigned char>(c - 'a' + 'A');
    }
    return charset;
}

bool MatchesMask(std::string_view mask, std::string_view name, const NameCharset& charset)
{
    if (mask.empty() || name.empty()) {
        return false;
    }
    if (MatchWhole(mask, name, charset)) {
        return true;
    }
    // '.' never occurs as a trail byte, so a byte search is enough here.
    return name.find('.') == std::string_view::npos &&
           MatchWhole(mask, std::string(name) + '.', charset);
}

std::vector<std::string> SplitMaskText(std::string_view joined)
{
    std::vector<std::string> masks;
    while (true) {
        const std::size_t end = std::min(joined.find(';'), joined.size());
        std::string_view field = joined.substr(0, end);
        while (!field.empty() && IsBlank(field.front())) {
            field.remove_prefix(1);
        }
        while (!field.empty() && IsBlank(field.back())) {
            field.remove_suffix(1);
        }
        if (!field.empty()) {
            masks.emplace_back(field);
        }
        if (end == joined.size()) {
            return masks;
        }
        joined.remove_prefix(end + 1);
    }
}

std::optional<std::size_t> FirstMatchingMask(const std::vector<std::string>& masks,
                                             std::string_view name, const NameCharset& charset)
{
    for (std::size_t i = 0; i < masks.size(); ++i) {
        if (MatchesMask(masks[i], name, charset)) {
            return i;
        }
    }
    return std::nullopt;
}

bool NameLessIgnoreCase(std::string_view a, std::string_view b, const NameCharset& charset)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = charset.upper[Byte(a[i])];
        const unsigned char y = charset.upper[Byte(b[i])];
        if (x != y) {
            return x < y;
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size();
    }
    return a < b;
}

} // namespace zandrel::host
