#pragma once
// A constant table of rows with names, found by a hash of the name: slots of
// row numbers, filled while compiling, so that a search costs one hash and
// mostly one comparison, where halving the table costs a branch the processor
// cannot foresee at every step. A row is a std::string_view or has a `name`
// (a char array, zeros after the name), as in SortedTable.h; the slots hold no
// pointers for the DLL to relocate.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

#include "import/readers/shared/MarkupCharacters.h"
#include "import/readers/shared/SortedTable.h"

namespace zandrel {

// FNV-1a, its high bits folded into the low ones that pick the slot; a step a
// character, so that a name can be hashed as it is read.
constexpr std::uint32_t NameHashStart = 2166136261u;

constexpr std::uint32_t NameHashStep(std::uint32_t hash, char c) noexcept
{
    return (hash ^ static_cast<unsigned char>(c)) * 16777619u;
}

constexpr std::uint32_t NameHashEnd(std::uint32_t hash) noexcept
{
    return hash ^ (hash >> 15);
}

constexpr std::uint32_t NameHash(const char* name, std::size_t length) noexcept
{
    std::uint32_t hash = NameHashStart;
    for (std::size_t i = 0; i < length; ++i) {
        hash = NameHashStep(hash, name[i]);
    }
    return NameHashEnd(hash);
}

namespace detail {

template <const auto& Rows>
inline constexpr std::size_t RowCountOf = std::extent_v<std::remove_reference_t<decltype(Rows)>>;

// At least twice the rows: a name that is no row's soon meets an empty slot.
template <const auto& Rows>
inline constexpr std::size_t SlotCountOf = std::bit_ceil(2 * RowCountOf<Rows>);

template <const auto& Rows> struct NameSlots {
    // A row's number and one; 0 is an empty slot.
    using Slot = std::conditional_t<(RowCountOf<Rows> < 0xFF), std::uint8_t, std::uint16_t>;
    Slot slots[SlotCountOf<Rows>] = {};
    unsigned char lengths[RowCountOf<Rows>] = {};
    bool unique = true; // no name twice
};

template <const auto& Rows> constexpr NameSlots<Rows> BuildNameSlots() noexcept
{
    constexpr std::size_t mask = SlotCountOf<Rows> - 1;
    NameSlots<Rows> index;
    for (std::size_t row = 0; row < RowCountOf<Rows>; ++row) {
        const std::string_view name = RowName(Rows[row]);
        index.lengths[row] = static_cast<unsigned char>(name.size());
        std::size_t slot = NameHash(name.data(), name.size()) & mask;
        while (index.slots[slot] != 0) {
            index.unique = index.unique && RowName(Rows[index.slots[slot] - 1]) != name;
            slot = (slot + 1) & mask;
        }
        index.slots[slot] = static_cast<typename NameSlots<Rows>::Slot>(row + 1);
    }
    return index;
}

template <const auto& Rows> inline constexpr NameSlots<Rows> NameSlotsOf = BuildNameSlots<Rows>();

} // namespace detail

template <const auto& Rows> class NameIndex {
    using Row = std::remove_cvref_t<decltype(Rows[0])>;
    static constexpr const detail::NameSlots<Rows>& Built = detail::NameSlotsOf<Rows>;
    static constexpr std::size_t Mask = detail::SlotCountOf<Rows> - 1;

public:
    static constexpr std::size_t Longest = LongestName(Rows);
    static_assert(Longest <= 0xFF);
    static_assert(Built.unique, "a name in two rows");

    // The row named exactly `name`, or nullptr.
    static const Row* Find(std::string_view name) noexcept
    {
        if (name.size() > Longest) {
            return nullptr;
        }
        return Lookup(name.data(), name.size(), NameHash(name.data(), name.size()));
    }

    // The row whose name, in small letters, is `name` in any case, or nullptr:
    // a name with a character past ASCII names none.
    template <typename Char>
    static const Row* FindInAnyCase(std::basic_string_view<Char> name) noexcept
    {
        if (name.size() > Longest) {
            return nullptr;
        }
        char folded[Longest > 0 ? Longest : 1];
        std::uint32_t hash = NameHashStart;
        for (std::size_t i = 0; i < name.size(); ++i) {
            const Char c = AsciiLower(name[i]);
            if (static_cast<std::make_unsigned_t<Char>>(c) >= 0x80) {
                return nullptr;
            }
            folded[i] = static_cast<char>(c);
            hash = NameHashStep(hash, folded[i]);
        }
        return Lookup(folded, name.size(), NameHashEnd(hash));
    }

private:
    static const char* Text(const Row& row) noexcept
    {
        if constexpr (std::is_same_v<Row, std::string_view>) {
            return row.data();
        } else {
            return row.name;
        }
    }

    static const Row* Lookup(const char* name, std::size_t length, std::uint32_t hash) noexcept
    {
        for (std::size_t slot = hash & Mask;; slot = (slot + 1) & Mask) {
            const std::size_t number = Built.slots[slot];
            if (number == 0) {
                return nullptr;
            }
            const Row& row = Rows[number - 1];
            if (Built.lengths[number - 1] == length && Same(Text(row), name, length)) {
                return &row;
            }
        }
    }

    static bool Same(const char* a, const char* b, std::size_t length) noexcept
    {
        for (std::size_t i = 0; i < length; ++i) {
            if (a[i] != b[i]) {
                return false;
            }
        }
        return true;
    }
};

} // namespace zandrel
