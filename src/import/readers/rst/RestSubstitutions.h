#pragma once

#include <cstddef>
#include <cstdint>

namespace zandrel {

// The "replace" substitution definitions of a text (".. |name| replace:: text"),
// collected before it is read, because a reference may come first. Their text
// is kept apart, read as inline markup, since the reader writes over the
// definitions. Definitions beyond the bounds show nothing.
// Whether the line [begin, end), past its indentation, is a replace definition.
[[nodiscard]] bool IsReplaceDefinition(const char16_t* begin, const char16_t* end) noexcept;

class RestSubstitutions {
public:
    static constexpr std::size_t MostDefinitions = 32;
    static constexpr std::size_t PoolUnits = 1024;
    static constexpr std::size_t LongestName = 64;

    // Reads `units` units of `text` for definitions; leaves the text as it was.
    void Collect(const char16_t* text, std::size_t units) noexcept;

    // The text that replaces the reference |name|: the definition whose name
    // is the same, else the same but for the case of ASCII letters.
    [[nodiscard]] bool Find(const char16_t* name, std::size_t length, const char16_t*& text,
                            std::size_t& textLength) const noexcept;

    [[nodiscard]] std::size_t Count() const noexcept { return count_; }

    // Whether some replacement is longer than its reference "|name|".
    [[nodiscard]] bool AnyLongerThanItsReference() const noexcept;

private:
    struct Definition {
        std::uint16_t name;
        std::uint16_t nameLength;
        std::uint16_t text;
        std::uint16_t textLength;
    };

    void Add(const char16_t* name, std::size_t nameLength, const char16_t* text,
             std::size_t textLength) noexcept;

    Definition definitions_[MostDefinitions];
    std::size_t count_ = 0;
    char16_t pool_[PoolUnits];
    std::size_t used_ = 0;
};

} // namespace zandrel
