#pragma once
// The labels of a text's link reference definitions ("[label]: url"), so that
// a shortcut reference "[label]" before or after its definition shows as the
// link it is. Labels match as CommonMark matches them: ASCII letters in either
// case, white space collapsed and trimmed.

#include <cstddef>
#include <cstdint>

#include "import/readers/markdown/MarkdownLines.h"
#include "import/readers/shared/MarkupCharacters.h"

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

// The label of every reference definition in a text that may stand where it
// does (not in a fenced code block, nor where it would continue a paragraph),
// gathered in step with a reader that writes over the text as it goes: it
// passes each line here before it writes over it, and the lines it has not
// reached yet are read only when a shortcut reference asks for the labels.
// Most texts have no shortcut reference, and their lines are looked for once.
class LinkLabelScan {
public:
    LinkLabelScan(const char16_t* text, std::size_t units) noexcept : at_(text), end_(text + units)
    {
    }

    // The text's next line, not yet written over.
    void Pass(const Line& line) noexcept
    {
        if (at_ >= end_) {
            return;
        }
        at_ = line.next;
        // Outside a fence, a blank line lets a definition follow and a line
        // that starts with a letter or digit is a paragraph's: most lines.
        if (fenceMark_ == 0 && line.begin == line.end) {
            mayDefine_ = true;
        } else if (fenceMark_ == 0 && (IsAsciiLetter(*line.begin) || IsAsciiDigit(*line.begin))) {
            mayDefine_ = false;
        } else {
            Take(line);
        }
    }

    // The labels of the whole text: what is left of it from the line after the
    // last one passed, which is still as it was, is read now.
    [[nodiscard]] const LinkLabelSet& Labels() noexcept;

private:
    void Take(const Line& line) noexcept;

    const char16_t* at_; // the first line not passed; end_ once all are read
    const char16_t* end_;
    LinkLabelSet labels_;
    bool mayDefine_ = true; // no paragraph is open
    char16_t fenceMark_ = 0;
    std::size_t fenceLength_ = 0;
};

} // namespace zandrel::markdown
