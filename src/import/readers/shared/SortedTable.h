#pragma once
// A constant table of rows with names, in byte order of the names, searched by
// halving. A row is a std::string_view or has a `name` the view is made from.

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string_view>
#include <type_traits>

#include "import/readers/shared/MarkupCharacters.h"

namespace zandrel {

constexpr std::string_view RowName(std::string_view row) noexcept
{
    return row;
}

template <typename Row> constexpr std::string_view RowName(const Row& row) noexcept
{
    return std::string_view(row.name);
}

// Whether each name comes after the one before it: in order, none twice.
template <typename Row, std::size_t N> constexpr bool InByteOrder(const Row (&rows)[N]) noexcept
{
    return std::adjacent_find(std::begin(rows), std::end(rows), [](const Row& a, const Row& b) {
               return !(RowName(a) < RowName(b));
           }) == std::end(rows);
}

template <typename Row, std::size_t N>
constexpr std::size_t LongestName(const Row (&rows)[N]) noexcept
{
    std::size_t longest = 0;
    for (const Row& row : rows) {
        longest = std::max(longest, RowName(row).size());
    }
    return longest;
}

// The row named exactly `name`, or nullptr.
template <typename Row, std::size_t N>
const Row* FindName(const Row (&rows)[N], std::string_view name) noexcept
{
    const Row* const found =
        std::lower_bound(std::begin(rows), std::end(rows), name,
                         [](const Row& row, std::string_view key) { return RowName(row) < key; });
    return found != std::end(rows) && RowName(*found) == name ? found : nullptr;
}

// The row whose name, in small letters, is `name` in any case, or nullptr: a
// name longer than `Capacity` (LongestName of the rows), or with a character
// past ASCII, names none.
template <std::size_t Capacity, typename Row, std::size_t N, typename Char>
const Row* FindNameInAnyCase(const Row (&rows)[N], std::basic_string_view<Char> name) noexcept
{
    if (name.size() > Capacity) {
        return nullptr;
    }
    char folded[Capacity > 0 ? Capacity : 1];
    for (std::size_t i = 0; i < name.size(); ++i) {
        const Char c = AsciiLower(name[i]);
        if (static_cast<std::make_unsigned_t<Char>>(c) >= 0x80) {
            return nullptr;
        }
        folded[i] = static_cast<char>(c);
    }
    return FindName(rows, std::string_view(folded, name.size()));
}

} // namespace zandrel
