#include "import/readers/markdown/MarkdownInline.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "import/ImportLimits.h"
#include "import/readers/markdown/MarkdownCharacters.h"
#include "import/readers/markdown/MarkdownHtml.h"
#include "import/readers/markdown/MarkdownLinkLabels.h"
#include "import/readers/markdown/MarkdownScan.h"
#include "import/readers/shared/CharacterReferences.h"
#include "import/readers/shared/MarkupCharacters.h"

namespace zandrel {
namespace {

using namespace markdown;
using namespace std::string_view_literals;

// Bounds of the reader's stack: emphasis runs and brackets beyond them in one
// block stay as written.
constexpr std::size_t MostDelimiterRuns = 64;
constexpr std::size_t MostBrackets = 64;
constexpr std::size_t DeepestParentheses = 32;
constexpr std::size_t LongestSchemeName = 32;

constexpr std::size_t None = static_cast<std::size_t>(-1);

// The units that may start inline markup: each case of the reader's switch.
constexpr bool IsInlineMark(char16_t c) noexcept
{
    return c < 128 && std::u16string_view(u"!&*<[\\]_`~").find(c) != std::u16string_view::npos;
}

// IsInlineMark by a table, for the scan over the text between marks.
constexpr auto InlineMarks = [] {
    std::array<bool, 128> marks{};
    for (char16_t c = 0; c < 128; ++c) {
        marks[c] = IsInlineMark(c);
    }
    return marks;
}();

// How many of the eight units at `p` come before the first one that the set
// leaves out, or before any past ASCII. `inSet` takes the eight units a byte
// each (the first four in the even lanes, the last four in the odd ones) and a
// test of the lanes whose units are at least a given one (their high bits);
// it gives the high bits of the lanes in the set. On a machine that keeps the
// lanes of a word in the other order no unit is counted this way.
template <typename InSet> std::size_t UnitsInSetAt(const char16_t* p, InSet inSet) noexcept
{
    if constexpr (std::endian::native != std::endian::little) {
        return 0;
    }
    std::uint64_t first = 0;
    std::uint64_t second = 0;
    std::memcpy(&first, p, sizeof first);
    std::memcpy(&second, p + 4, sizeof second);
    if (((first | second) & 0xFF80FF80FF80FF80ull) != 0) {
        return 0;
    }
    const std::uint64_t units = first | (second << 8);
    constexpr std::uint64_t Lanes = 0x0101010101010101ull;
    const auto atLeast = [units](char16_t c) { return units + Lanes * (0x80u - c); };
    const std::uint64_t outside = ~inSet(atLeast) & (Lanes * 0x80);
    if (const std::uint64_t inFirst = outside & 0x0080008000800080ull; inFirst != 0) {
        return static_cast<std::size_t>(std::countr_zero(inFirst)) / 16;
    }
    if (const std::uint64_t inSecond = outside & 0x8000800080008000ull; inSecond != 0) {
        return 4 + static_cast<std::size_t>(std::countr_zero(inSecond)) / 16;
    }
    return 8;
}

// The units of a link destination that mean nothing in it: all that are
// visible but the parentheses and the backslash.
constexpr auto DestinationUnits = [](auto atLeast) {
    return (atLeast(u'!') & ~atLeast(u'(')) | (atLeast(u'*') & ~atLeast(u'\\')) |
           (atLeast(u']') & ~atLeast(0x7F));
};

// The units of an autolink's address that neither end it nor break it off:
// all that are visible but the angle brackets.
constexpr auto AddressUnits = [](auto atLeast) {
    return (atLeast(u'!') & ~atLeast(u'<')) | (atLeast(u'=') & ~atLeast(u'>')) |
           (atLeast(u'?') & ~atLeast(0x7F));
};

// A run of '*', '_' or '~' that may open or close emphasis.
struct DelimiterRun {
    std::uint16_t at;     // the first unit of what is left of the run
    std::uint16_t count;  // units left
    std::uint16_t length; // units as written
    char16_t mark;
    bool canOpen;
    bool canClose;
    bool gone;
};

// A '[' or "![" waiting for its ']'.
struct Bracket {
    std::uint16_t at;
    std::uint16_t runsBelow; // the delimiter runs before it
    bool image;
    bool active; // a link inside a link is text
};

class InlineReader {
public:
    InlineReader(char16_t* text, std::size_t units, const LinkLabelSet* labels,
                 LinkLabelScan* scan) noexcept
        : text_(text), units_(units), labels_(labels), scan_(scan)
    {
        for (std::size_t word = 0; word * 64 < units_; ++word) {
            gone_[word] = 0;
        }
    }

    std::size_t Read() noexcept
    {
        std::size_t i = 0;
        while (i < units_) {
            switch (text_[i]) {
            case u'\\':
                i = Backslash(i);
                break;
            case u'`':
                i = CodeSpan(i);
                break;
            case u'&':
                i = Reference(i);
                break;
            case u'<':
                i = AngleBracket(i);
                break;
            case u'!':
                if (i + 1 < units_ && text_[i + 1] == u'[') {
                    OpenBracket(i, true);
                    i += 2;
                } else {
                    ++i;
                }
                break;
            case u'[':
                OpenBracket(i, false);
                ++i;
                break;
            case u']':
                i = CloseBracket(i);
                break;
            case u'*':
            case u'_':
            case u'~':
                i = Run(i);
                break;
            default:
                i = NextMark(i + 1);
                break;
            }
        }
        ResolveEmphasis(0);
        return Compact();
    }

private:
    [[nodiscard]] static bool IsMark(char16_t c) noexcept { return c < 128 && InlineMarks[c]; }

    // The first unit from `i` on that may start markup, or units_: four
    // units a turn of the loop, the bound tested once for them.
    [[nodiscard]] std::size_t NextMark(std::size_t i) const noexcept
    {
        for (; units_ - i >= 4; i += 4) {
            const char16_t* const p = text_ + i;
            if (IsMark(p[0])) {
                return i;
            }
            if (IsMark(p[1])) {
                return i + 1;
            }
            if (IsMark(p[2])) {
                return i + 2;
            }
            if (IsMark(p[3])) {
                return i + 3;
            }
        }
        while (i < units_ && !IsMark(text_[i])) {
            ++i;
        }
        return i;
    }

    void Drop(std::size_t at) noexcept { gone_[at / 64] |= std::uint64_t{1} << (at % 64); }
    // A word of the map at a time: a link's destination goes at once.
    void Drop(std::size_t from, std::size_t to) noexcept
    {
        while (from < to) {
            const std::size_t bit = from % 64;
            const std::size_t count = to - from < 64 - bit ? to - from : 64 - bit;
            const std::uint64_t ones =
                count == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1;
            gone_[from / 64] |= ones << bit;
            from += count;
        }
    }
    [[nodiscard]] bool Dropped(std::size_t at) const noexcept
    {
        return ((gone_[at / 64] >> (at % 64)) & 1) != 0;
    }
    [[nodiscard]] char16_t At(std::size_t at) const noexcept
    {
        return at < units_ ? text_[at] : u'\n';
    }

    // What is left, moved together run by run of the units kept.
    std::size_t Compact() noexcept
    {
        std::size_t out = 0;
        for (std::size_t base = 0; base < units_; base += 64) {
            const std::size_t count = units_ - base < 64 ? units_ - base : 64;
            std::uint64_t kept = ~gone_[base / 64];
            kept &= count == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1;
            while (kept != 0) {
                const auto first = static_cast<std::size_t>(std::countr_zero(kept));
                const std::uint64_t after = ~(kept >> first);
                const std::size_t run =
                    after == 0 ? 64 - first : static_cast<std::size_t>(std::countr_zero(after));
                if (out != base + first) {
                    std::memmove(text_ + out, text_ + base + first, run * sizeof(char16_t));
                }
                out += run;
                kept = first + run >= 64 ? 0 : kept & ~((std::uint64_t{1} << (first + run)) - 1);
            }
        }
        return out;
    }

    std::size_t RunEnd(std::size_t i) const noexcept
    {
        const char16_t mark = text_[i];
        while (i < units_ && text_[i] == mark) {
            ++i;
        }
        return i;
    }

    // The first index from `from` where `what` stands, or None.
    std::size_t Find(std::size_t from, std::u16string_view what) const noexcept
    {
        const std::u16string_view text(text_, units_);
        const std::size_t found = text.find(what, from);
        return found == std::u16string_view::npos ? None : found;
    }

    // A backslash hides the markup of the punctuation after it; before a line
    // break inside the block it is a hard break, which shows nothing.
    std::size_t Backslash(std::size_t i) noexcept
    {
        if (i + 1 < units_ && IsAsciiPunctuation(text_[i + 1])) {
            Drop(i);
            return i + 2;
        }
        if (i + 2 < units_ && text_[i + 1] == u'\n') {
            Drop(i);
        }
        return i + 1;
    }

    std::size_t CodeSpan(std::size_t i) noexcept
    {
        const std::size_t open = RunEnd(i);
        const std::size_t length = open - i;
        const bool remembered = length <= 64;
        const std::uint64_t bit = remembered ? std::uint64_t{1} << (length - 1) : 0;
        if ((missingCloser_ & bit) != 0) {
            return open;
        }
        std::size_t close = open;
        while ((close = static_cast<std::size_t>(FindUnit(text_ + close, text_ + units_, u'`') -
                                                 text_)) < units_) {
            const std::size_t end = RunEnd(close);
            if (end - close == length) {
                Drop(i, open);
                Drop(close, end);
                // One space on each side goes, where both are there and the
                // code is not all spaces.
                const bool padded = close - open >= 2 &&
                                    (text_[open] == u' ' || text_[open] == u'\n') &&
                                    (text_[close - 1] == u' ' || text_[close - 1] == u'\n');
                bool blank = true;
                for (std::size_t k = open; padded && k < close && blank; ++k) {
                    blank = text_[k] == u' ' || text_[k] == u'\n';
                }
                if (padded && !blank) {
                    Drop(open);
                    Drop(close - 1);
                }
                return end;
            }
            close = end;
        }
        missingCloser_ |= bit; // no later run of this length can close either
        return open;
    }

    std::size_t Reference(std::size_t i) noexcept
    {
        char32_t code = 0;
        const std::size_t length = DecodeCharacterReference(text_ + i, text_ + units_, code);
        if (length == 0) {
            return i + 1;
        }
        code = ShownInLine(code);
        const std::size_t written = code == 0 ? 0 : WriteUtf16(code, text_ + i);
        Drop(i + written, i + length);
        return i + length;
    }

    // "<scheme:address>" or "<name@host>": the address shows; the end past '>'
    // or None.
    std::size_t AutolinkEnd(std::size_t i) const noexcept
    {
        std::size_t p = i + 1;
        if (p < units_ && IsAsciiLetter(text_[p])) {
            std::size_t q = p + 1;
            while (q < units_ && q - p <= LongestSchemeName &&
                   (IsAsciiLetter(text_[q]) || IsAsciiDigit(text_[q]) || text_[q] == u'+' ||
                    text_[q] == u'.' || text_[q] == u'-')) {
                ++q;
            }
            if (q < units_ && text_[q] == u':' && q - p >= 2 && q - p <= LongestSchemeName) {
                for (++q; q < units_; ++q) {
                    for (std::size_t plain = 8; plain == 8 && units_ - q >= 8; q += plain) {
                        plain = UnitsInSetAt(text_ + q, AddressUnits);
                    }
                    if (q == units_ || text_[q] <= u' ' || text_[q] == u'<') {
                        break;
                    }
                    if (text_[q] == u'>') {
                        return q + 1;
                    }
                }
                return None;
            }
        }
        const auto isLocalPart = [](char16_t c) {
            return IsAsciiLetter(c) || IsAsciiDigit(c) ||
                   std::u16string_view(u".!#$%&'*+/=?^_`{|}~-").find(c) !=
                       std::u16string_view::npos;
        };
        while (p < units_ && isLocalPart(text_[p])) {
            ++p;
        }
        if (p == i + 1 || p >= units_ || text_[p] != u'@') {
            return None;
        }
        const std::size_t host = ++p;
        while (p < units_ && (IsAsciiLetter(text_[p]) || IsAsciiDigit(text_[p]) ||
                              text_[p] == u'-' || text_[p] == u'.')) {
            ++p;
        }
        return p > host && p < units_ && text_[p] == u'>' ? p + 1 : None;
    }

    // Raw HTML: a tag, comment, instruction, declaration or CDATA section;
    // the end past it or None. A search that failed once fails for every
    // later start, so each is made once at most.
    std::size_t RawHtmlEnd(std::size_t i) noexcept
    {
        const std::u16string_view rest(text_ + i, units_ - i);
        const auto closedBy = [&](std::size_t from, std::u16string_view close, bool& missing) {
            const std::size_t found = missing ? None : Find(from, close);
            missing = found == None;
            return found == None ? None : found + close.size();
        };
        if (rest.starts_with(u"<!-->"sv)) {
            return i + 5;
        }
        if (rest.starts_with(u"<!--->"sv)) {
            return i + 6;
        }
        if (rest.starts_with(u"<!--"sv)) {
            return closedBy(i + 4, u"-->"sv, missingCommentEnd_);
        }
        if (rest.starts_with(u"<?"sv)) {
            return closedBy(i + 2, u"?>"sv, missingInstructionEnd_);
        }
        if (rest.starts_with(u"<![CDATA["sv)) {
            return closedBy(i + 9, u"]]>"sv, missingCdataEnd_);
        }
        if (rest.size() > 2 && rest[1] == u'!' && IsAsciiLetter(rest[2])) {
            return closedBy(i + 2, u">"sv, missingDeclarationEnd_);
        }
        const std::size_t tag = HtmlTagLength(text_ + i, text_ + units_);
        return tag == 0 ? None : i + tag;
    }

    std::size_t AngleBracket(std::size_t i) noexcept
    {
        if (const std::size_t end = AutolinkEnd(i); end != None) {
            Drop(i);
            Drop(end - 1);
            return end;
        }
        if (const std::size_t end = RawHtmlEnd(i); end != None) {
            // A <br> breaks the line and a <q> shows its quotation mark, in
            // place of the tag's first unit; every other tag shows nothing.
            if (const char16_t shown = HtmlTagShows(text_ + i, text_ + end); shown != 0) {
                text_[i] = shown;
                Drop(i + 1, end);
            } else {
                Drop(i, end);
            }
            return end;
        }
        return i + 1;
    }

    void OpenBracket(std::size_t i, bool image) noexcept
    {
        if (bracketCount_ == MostBrackets) {
            ++bracketsNotKept_;
            return;
        }
        brackets_[bracketCount_++] = {static_cast<std::uint16_t>(i),
                                      static_cast<std::uint16_t>(runCount_), image, true};
    }

    std::size_t SkipSpaceAndOneBreak(std::size_t p) const noexcept
    {
        while (p < units_ && IsSpaceOrTab(text_[p])) {
            ++p;
        }
        if (p < units_ && text_[p] == u'\n') {
            ++p;
            while (p < units_ && IsSpaceOrTab(text_[p])) {
                ++p;
            }
        }
        return p;
    }

    // "(destination "title")" from `p` (past the '('): the end past ')', or None.
    std::size_t InlineLinkEnd(std::size_t p) const noexcept
    {
        p = SkipSpaceAndOneBreak(p);
        if (p < units_ && text_[p] == u'<') {
            for (++p; p < units_ && text_[p] != u'>'; ++p) {
                if (text_[p] == u'\n' || text_[p] == u'<') {
                    return None;
                }
                p += (text_[p] == u'\\' && p + 1 < units_) ? 1 : 0;
            }
            if (p == units_) {
                return None;
            }
            ++p;
        } else {
            std::size_t depth = 0;
            for (; p < units_; ++p) {
                for (std::size_t plain = 8; plain == 8 && units_ - p >= 8; p += plain) {
                    plain = UnitsInSetAt(text_ + p, DestinationUnits);
                }
                if (p == units_ || text_[p] <= u' ') {
                    break;
                }
                if (text_[p] == u'\\' && p + 1 < units_ && IsAsciiPunctuation(text_[p + 1])) {
                    ++p;
                } else if (text_[p] == u'(') {
                    if (++depth > DeepestParentheses) {
                        return None;
                    }
                } else if (text_[p] == u')') {
                    if (depth == 0) {
                        break;
                    }
                    --depth;
                }
            }
            if (depth != 0) {
                return None;
            }
        }
        const std::size_t afterDestination = p;
        p = SkipSpaceAndOneBreak(p);
        if (p > afterDestination && p < units_ &&
            (text_[p] == u'"' || text_[p] == u'\'' || text_[p] == u'(')) {
            const char16_t close = text_[p] == u'(' ? u')' : text_[p];
            for (++p; p < units_ && text_[p] != close; ++p) {
                if (text_[p] == u'\\' && p + 1 < units_) {
                    ++p;
                } else if (close == u')' && text_[p] == u'(') {
                    return None;
                }
            }
            if (p >= units_) {
                return None;
            }
            p = SkipSpaceAndOneBreak(p + 1);
        }
        return p < units_ && text_[p] == u')' ? p + 1 : None;
    }

    // "[label]" or "[]" from `p` (at the '['): the end past ']', or None.
    std::size_t LabelEnd(std::size_t p) const noexcept
    {
        const std::size_t start = ++p;
        for (; p < units_ && text_[p] != u']'; ++p) {
            if (text_[p] == u'[' || p - start >= LongestLinkLabel) {
                return None;
            }
            p += (text_[p] == u'\\' && p + 1 < units_) ? 1 : 0;
        }
        return p < units_ ? p + 1 : None;
    }

    // Whether [from, to) is the label of a definition in the text: no brackets
    // in it but escaped ones.
    bool IsDefinedLabel(std::size_t from, std::size_t to) const noexcept
    {
        if (to - from > LongestLinkLabel) {
            return false;
        }
        for (std::size_t p = from; p < to; ++p) {
            if (text_[p] == u'[' || text_[p] == u']') {
                return false;
            }
            p += (text_[p] == u'\\' && p + 1 < to) ? 1 : 0;
        }
        const LinkLabelSet& labels = scan_ != nullptr ? scan_->Labels() : *labels_;
        return labels.Size() != 0 && labels.Contains(text_ + from, text_ + to);
    }

    // What follows a ']' that makes a link or image of its brackets.
    std::size_t LinkTailEnd(std::size_t p) const noexcept
    {
        if (p < units_ && text_[p] == u'(') {
            return InlineLinkEnd(p + 1);
        }
        if (p < units_ && text_[p] == u'[') {
            return LabelEnd(p);
        }
        return None;
    }

    std::size_t CloseBracket(std::size_t i) noexcept
    {
        if (bracketsNotKept_ > 0) {
            --bracketsNotKept_;
            return i + 1;
        }
        if (bracketCount_ == 0) {
            return i + 1;
        }
        const Bracket opener = brackets_[--bracketCount_];
        std::size_t end = opener.active ? LinkTailEnd(i + 1) : None;
        if (end == None && opener.active && IsDefinedLabel(opener.at + (opener.image ? 2 : 1), i)) {
            end = i + 1; // a shortcut reference
        }
        if (end == None) {
            return i + 1;
        }
        if (opener.image) {
            Drop(opener.at, end); // an image shows nothing, its description neither
        } else {
            ResolveEmphasis(opener.runsBelow);
            Drop(opener.at);
            Drop(i, end);
            for (std::size_t k = 0; k < bracketCount_; ++k) {
                brackets_[k].active = brackets_[k].image;
            }
        }
        runCount_ = opener.runsBelow;
        return end;
    }

    std::size_t Run(std::size_t i) noexcept
    {
        const char16_t mark = text_[i];
        const std::size_t end = RunEnd(i);
        const char16_t before = i > 0 ? text_[i - 1] : u'\n';
        const char16_t after = At(end);
        const bool left = !IsWhiteSpace(after) &&
                          (!IsPunctuation(after) || IsWhiteSpace(before) || IsPunctuation(before));
        const bool right = !IsWhiteSpace(before) &&
                           (!IsPunctuation(before) || IsWhiteSpace(after) || IsPunctuation(after));
        bool canOpen = left;
        bool canClose = right;
        if (mark == u'_') { // never inside a word
            canOpen = left && (!right || IsPunctuation(before));
            canClose = right && (!left || IsPunctuation(after));
        } else if (mark == u'~' && end - i > 2) {
            canOpen = canClose = false;
        }
        if ((canOpen || canClose) && runCount_ < MostDelimiterRuns) {
            const auto length = static_cast<std::uint16_t>(end - i);
            runs_[runCount_++] = {
                static_cast<std::uint16_t>(i), length, length, mark, canOpen, canClose, false};
        }
        return end;
    }

    [[nodiscard]] bool Pairs(const DelimiterRun& opener, const DelimiterRun& closer) const noexcept
    {
        if (opener.gone || !opener.canOpen || opener.count == 0 || opener.mark != closer.mark) {
            return false;
        }
        if (closer.mark == u'~') {
            return opener.count == closer.count;
        }
        // A run that can both open and close pairs only where the lengths
        // leave no third over ("*a**b*" is not "a" emphasised twice).
        const bool either = opener.canClose || closer.canOpen;
        const unsigned sum = opener.length + closer.length;
        return !either || sum % 3 != 0 || (opener.length % 3 == 0 && closer.length % 3 == 0);
    }

    // Pairs the runs from `bottom` up, closers left to right with the nearest
    // opener; the paired marks go, the text between them stays.
    void ResolveEmphasis(std::size_t bottom) noexcept
    {
        for (std::size_t c = bottom; c < runCount_; ++c) {
            DelimiterRun& closer = runs_[c];
            while (!closer.gone && closer.canClose && closer.count > 0) {
                std::size_t o = c;
                while (o > bottom && !Pairs(runs_[o - 1], closer)) {
                    --o;
                }
                if (o == bottom) {
                    break;
                }
                DelimiterRun& opener = runs_[--o];
                const std::size_t use = closer.mark == u'~'
                                            ? closer.count
                                            : (opener.count >= 2 && closer.count >= 2 ? 2 : 1);
                Drop(opener.at + opener.count - use, opener.at + opener.count);
                opener.count = static_cast<std::uint16_t>(opener.count - use);
                Drop(closer.at, closer.at + use);
                closer.at = static_cast<std::uint16_t>(closer.at + use);
                closer.count = static_cast<std::uint16_t>(closer.count - use);
                for (std::size_t k = o + 1; k < c; ++k) {
                    runs_[k].gone = true;
                }
                opener.gone = opener.count == 0;
            }
        }
    }

    char16_t* text_;
    std::size_t units_;
    const LinkLabelSet* labels_;
    LinkLabelScan* scan_;                           // in place of labels_ where not null
    std::uint64_t gone_[(WideTextUnits + 63) / 64]; // cleared up to units_
    DelimiterRun runs_[MostDelimiterRuns];
    std::size_t runCount_ = 0;
    Bracket brackets_[MostBrackets];
    std::size_t bracketCount_ = 0;
    std::size_t bracketsNotKept_ = 0;
    std::uint64_t missingCloser_ = 0; // bit L-1: no run of L backquotes further on
    bool missingCommentEnd_ = false;
    bool missingInstructionEnd_ = false;
    bool missingCdataEnd_ = false;
    bool missingDeclarationEnd_ = false;
};

} // namespace

std::size_t MarkdownInlineToText(char16_t* text, std::size_t units,
                                 const LinkLabelSet& labels) noexcept
{
    if (units > WideTextUnits) {
        units = WideTextUnits;
    }
    InlineReader reader(text, units, &labels, nullptr);
    return reader.Read();
}

std::size_t MarkdownInlineToText(char16_t* text, std::size_t units, LinkLabelScan& labels) noexcept
{
    if (units > WideTextUnits) {
        units = WideTextUnits;
    }
    InlineReader reader(text, units, nullptr, &labels);
    return reader.Read();
}

} // namespace zandrel
