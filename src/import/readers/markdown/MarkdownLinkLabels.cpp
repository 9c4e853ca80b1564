#include "import/readers/markdown/MarkdownLinkLabels.h"

#include "import/readers/markdown/MarkdownCharacters.h"
#include "import/readers/markdown/MarkdownLines.h"

namespace zandrel::markdown {
namespace {

constexpr std::uint64_t HashBasis = 14695981039346656037ull; // FNV-1a, 64 bits
constexpr std::uint64_t HashPrime = 1099511628211ull;

// Letters in one case: ASCII's and Latin-1's.
constexpr char16_t FoldCase(char16_t c) noexcept
{
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<char16_t>(c + 0x20);
    }
    return c;
}

std::uint64_t Mix(std::uint64_t hash, char16_t c) noexcept
{
    return (hash ^ c) * HashPrime;
}

// Past the label of the definition that starts at `begin` ('['): its ']'.
const char16_t* LabelEnd(const char16_t* begin, const char16_t* end) noexcept
{
    const char16_t* p = begin + 1;
    for (; p < end && *p != u']'; ++p) {
        p += (*p == u'\\' && p + 1 < end) ? 1 : 0;
    }
    return p;
}

// Whether a definition may follow the line [begin, end) (past its indent): a
// paragraph's line would take it as its own.
bool EndsAnyParagraph(const char16_t* begin, const char16_t* end) noexcept
{
    const char16_t* textBegin = nullptr;
    const char16_t* textEnd = nullptr;
    return AtxHeadingLevel(begin, end, textBegin, textEnd) != 0 || IsThematicBreak(begin, end) ||
           IsSetextUnderline(begin, end);
}

} // namespace

std::uint64_t LinkLabelHash(const char16_t* begin, const char16_t* end) noexcept
{
    std::uint64_t hash = HashBasis;
    bool any = false;
    bool space = false;
    for (const char16_t* p = begin; p < end; ++p) {
        if (IsWhiteSpace(*p)) {
            space = any;
            continue;
        }
        if (space) {
            hash = Mix(hash, u' ');
            space = false;
        }
        hash = Mix(hash, FoldCase(*p));
        any = true;
    }
    return !any ? 0 : (hash == 0 ? 1 : hash);
}

bool LinkLabelSet::Add(const char16_t* begin, const char16_t* end) noexcept
{
    const std::uint64_t hash = LinkLabelHash(begin, end);
    if (hash == 0 || Contains(begin, end)) {
        return hash != 0;
    }
    if (count_ == MostLabels) {
        return false;
    }
    hashes_[count_++] = hash;
    return true;
}

bool LinkLabelSet::Contains(const char16_t* begin, const char16_t* end) const noexcept
{
    if (count_ == 0) {
        return false;
    }
    const std::uint64_t hash = LinkLabelHash(begin, end);
    for (std::size_t k = 0; k < count_; ++k) {
        if (hashes_[k] == hash) {
            return hash != 0;
        }
    }
    return false;
}

void LinkLabelScan::Take(const Line& line) noexcept
{
    if (labels_.Size() == LinkLabelSet::MostLabels) {
        at_ = end_; // no label more is kept
        return;
    }
    const char16_t* first = nullptr;
    std::size_t indent = Indent(line.begin, line.end, first);
    if (first < line.end && *first == u'>' && indent < CodeIndent) {
        std::size_t depth = 0;
        indent = Indent(SkipQuoteMarkers(line.begin, line.end, AnyDepth, depth), line.end, first);
    }
    if (fenceMark_ != 0) {
        if (indent < CodeIndent && ClosesCodeFence(first, line.end, fenceMark_, fenceLength_)) {
            fenceMark_ = 0;
        }
        return;
    }
    if (first == line.end) {
        mayDefine_ = true;
        return;
    }
    if (indent >= CodeIndent) {
        return; // code, or the paragraph's next line
    }
    if (*first == u'[') {
        if (mayDefine_ && IsReferenceDefinition(first, line.end)) {
            labels_.Add(first + 1, LabelEnd(first, line.end));
            return;
        }
    } else if ((*first == u'`' || *first == u'~') &&
               (fenceLength_ = CodeFenceLength(first, line.end, fenceMark_)) != 0) {
        return;
    }
    const char16_t c = *first;
    mayDefine_ = (c == u'#' || c == u'-' || c == u'*' || c == u'_' || c == u'=') &&
                 EndsAnyParagraph(first, line.end);
}

const LinkLabelSet& LinkLabelScan::Labels() noexcept
{
    while (at_ < end_) {
        const Line line = LineAt(at_, end_);
        at_ = line.next;
        Take(line);
    }
    return labels_;
}

} // namespace zandrel::markdown
