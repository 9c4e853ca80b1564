#pragma once
// The labels of a text's link reference definitions ("[label]: url"), so that
// a shortcut reference "[label]" before or after its definition shows as the
// link it is. Labels match as CommonMark matches them: ASCII letters in either
// case, white space collapsed and trimmed.

#include <cstddef>
#include <cstdint>

namespace zandrel::markdown {

// The longest label a reference may have; a longer one is text.
constexpr std::size_t LongestLinkLabel = 999;

// A fixed set of label hashes: a text with more definitions keeps the first
// ones, and a reference to any later one stays as written.
class LinkLabelSet {
public:
    static constexpr std::size_t MostLabels = 64;

    // The label [begin, end), without its brackets; false where the set is full.
    bool Add(const char16_t* begin, const char16_t* end) noexcept;

    [[nodiscard]] bool Contains(const char16_t* begin, const char16_t* end) const noexcept;

    [[nodiscard]] std::size_t Size() const noexcept { return count_; }

private:
    std::uint64_t hashes_[MostLabels];
    std::size_t count_ = 0;
};

// The hash of the label [begin, end) as it matches; 0 for a label with nothing
// but white space, which defines nothing.
[[nodiscard]] std::uint64_t LinkLabelHash(const char16_t* begin, const char16_t* end) noexcept;

// Adds the label of every reference definition in `text` (`units` code units)
// that may stand where it does: not in a fenced code block, nor where it would
// continue a paragraph.
void CollectLinkLabels(const char16_t* text, std::size_t units, LinkLabelSet& labels) noexcept;

} // namespace zandrel::markdown
