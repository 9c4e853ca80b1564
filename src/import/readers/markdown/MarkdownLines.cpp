#include "import/readers/markdown/MarkdownLines.h"

#include <algorithm>
#include <string_view>

#include "import/readers/markdown/MarkdownCharacters.h"
#include "import/readers/markdown/MarkdownLinkLabels.h"
#include "import/readers/shared/MarkupCharacters.h"

namespace zandrel::markdown {
namespace {

using namespace std::string_view_literals;

constexpr std::size_t LongestListNumber = 9;

// The elements whose contents are raw text, in the order of RawTextElement.
constexpr std::string_view RawTextElementNames[] = {"script"sv, "style"sv, "pre"sv, "textarea"sv};

const char16_t* SkipSpaceOrTab(const char16_t* p, const char16_t* end) noexcept
{
    while (p < end && IsSpaceOrTab(*p)) {
        ++p;
    }
    return p;
}

const char16_t* SkipRun(const char16_t* p, const char16_t* end, char16_t mark) noexcept
{
    while (p < end && *p == mark) {
        ++p;
    }
    return p;
}

bool OnlyBlanksFrom(const char16_t* p, const char16_t* end) noexcept
{
    return SkipSpaceOrTab(p, end) == end;
}

// A link destination: "<...>" on the line, or a run without blanks whose
// parentheses balance. Returns its end, or nullptr.
const char16_t* SkipDestination(const char16_t* p, const char16_t* end) noexcept
{
    if (p < end && *p == u'<') {
        for (++p; p < end && *p != u'>'; ++p) {
            if (*p == u'<') {
                return nullptr;
            }
            p += (*p == u'\\' && p + 1 < end) ? 1 : 0;
        }
        return p < end ? p + 1 : nullptr;
    }
    const char16_t* const start = p;
    std::size_t depth = 0;
    for (; p<end&& * p> u' '; ++p) {
        if (*p == u'\\' && p + 1 < end) {
            ++p;
        } else if (*p == u'(') {
            ++depth;
        } else if (*p == u')') {
            if (depth == 0) {
                return nullptr;
            }
            --depth;
        }
    }
    return p > start && depth == 0 ? p : nullptr;
}

// Whether [p, end) starts with the ASCII `name`, letters in either case.
bool StartsWithName(const char16_t* p, const char16_t* end, std::string_view name) noexcept
{
    if (static_cast<std::size_t>(end - p) < name.size()) {
        return false;
    }
    for (const char c : name) {
        if (AsciiLower(*p++) != static_cast<char16_t>(c)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::size_t Indent(const char16_t* begin, const char16_t* end, const char16_t*& first) noexcept
{
    std::size_t columns = 0;
    for (; begin < end && IsSpaceOrTab(*begin); ++begin) {
        columns = *begin == u'\t' ? (columns / TabStop + 1) * TabStop : columns + 1;
    }
    first = begin;
    return columns;
}

const char16_t* SkipColumns(const char16_t* begin, const char16_t* end,
                            std::size_t columns) noexcept
{
    std::size_t skipped = 0;
    for (; begin < end && IsSpaceOrTab(*begin) && skipped < columns; ++begin) {
        skipped = *begin == u'\t' ? (skipped / TabStop + 1) * TabStop : skipped + 1;
    }
    return begin;
}

const char16_t* SkipQuoteMarkers(const char16_t* begin, const char16_t* end, std::size_t most,
                                 std::size_t& depth) noexcept
{
    depth = 0;
    while (depth < most) {
        const char16_t* first = nullptr;
        if (Indent(begin, end, first) >= CodeIndent || first == end || *first != u'>') {
            break;
        }
        begin = first + 1;
        begin += (begin < end && IsSpaceOrTab(*begin)) ? 1 : 0;
        ++depth;
    }
    return begin;
}

RawTextElement RawTextElementStart(const char16_t* begin, const char16_t* end) noexcept
{
    if (begin == end || *begin != u'<') {
        return RawTextElement::None;
    }
    for (std::size_t k = 0; k < std::size(RawTextElementNames); ++k) {
        const std::string_view name = RawTextElementNames[k];
        if (StartsWithName(begin + 1, end, name)) {
            const char16_t* const after = begin + 1 + name.size();
            if (after == end || IsSpaceOrTab(*after) || *after == u'>') {
                return static_cast<RawTextElement>(k + 1);
            }
        }
    }
    return RawTextElement::None;
}

const char16_t* PastRawTextEnd(const char16_t* begin, const char16_t* end) noexcept
{
    for (const char16_t* p = begin; end - p >= 2; ++p) {
        if (p[0] != u'<' || p[1] != u'/') {
            continue;
        }
        for (const std::string_view name : RawTextElementNames) {
            const char16_t* const close = p + 2 + name.size();
            if (StartsWithName(p + 2, end, name) && close < end && *close == u'>') {
                return close + 1;
            }
        }
    }
    return nullptr;
}

std::size_t CodeFenceLength(const char16_t* begin, const char16_t* end, char16_t& mark) noexcept
{
    if (begin == end || (*begin != u'`' && *begin != u'~')) {
        return 0;
    }
    const char16_t* const run = SkipRun(begin, end, *begin);
    const auto length = static_cast<std::size_t>(run - begin);
    if (length < 3 || (*begin == u'`' && std::find(run, end, u'`') != end)) {
        return 0; // a backquote after "```" makes it a code span
    }
    mark = *begin;
    return length;
}

bool ClosesCodeFence(const char16_t* begin, const char16_t* end, char16_t mark,
                     std::size_t length) noexcept
{
    const char16_t* const run = SkipRun(begin, end, mark);
    return static_cast<std::size_t>(run - begin) >= length && OnlyBlanksFrom(run, end);
}

int AtxHeadingLevel(const char16_t* begin, const char16_t* end, const char16_t*& textBegin,
                    const char16_t*& textEnd) noexcept
{
    const char16_t* const hashes = SkipRun(begin, end, u'#');
    const auto level = static_cast<int>(hashes - begin);
    if (level < 1 || level > 6 || (hashes < end && !IsSpaceOrTab(*hashes))) {
        return 0;
    }
    const char16_t* first = SkipSpaceOrTab(hashes, end);
    const char16_t* last = end;
    while (last > first && IsSpaceOrTab(last[-1])) {
        --last;
    }
    const char16_t* closing = last;
    while (closing > first && closing[-1] == u'#') {
        --closing;
    }
    if (closing == first || IsSpaceOrTab(closing[-1])) {
        last = closing;
        while (last > first && IsSpaceOrTab(last[-1])) {
            --last;
        }
    }
    textBegin = first;
    textEnd = last;
    return level;
}

bool IsSetextUnderline(const char16_t* begin, const char16_t* end) noexcept
{
    return begin < end && (*begin == u'=' || *begin == u'-') &&
           OnlyBlanksFrom(SkipRun(begin, end, *begin), end);
}

bool IsThematicBreak(const char16_t* begin, const char16_t* end) noexcept
{
    if (begin == end || (*begin != u'-' && *begin != u'*' && *begin != u'_')) {
        return false;
    }
    std::size_t marks = 0;
    for (const char16_t* p = begin; p < end; ++p) {
        if (*p == *begin) {
            ++marks;
        } else if (!IsSpaceOrTab(*p)) {
            return false;
        }
    }
    return marks >= 3;
}

std::size_t ListMarkerLength(const char16_t* begin, const char16_t* end) noexcept
{
    const char16_t* p = begin;
    if (p < end && (*p == u'-' || *p == u'*' || *p == u'+')) {
        ++p;
    } else {
        while (p < end && IsAsciiDigit(*p) &&
               static_cast<std::size_t>(p - begin) < LongestListNumber) {
            ++p;
        }
        if (p == begin || p == end || (*p != u'.' && *p != u')')) {
            return 0;
        }
        ++p;
    }
    if (p == end) {
        return static_cast<std::size_t>(p - begin);
    }
    return IsSpaceOrTab(*p) ? static_cast<std::size_t>(p + 1 - begin) : 0;
}

bool IsReferenceDefinition(const char16_t* begin, const char16_t* end) noexcept
{
    if (begin == end || *begin != u'[') {
        return false;
    }
    const char16_t* p = begin + 1;
    bool blankLabel = true;
    for (; p < end && *p != u']'; ++p) {
        if (*p == u'[' || static_cast<std::size_t>(p - begin) > LongestLinkLabel) {
            return false;
        }
        blankLabel = blankLabel && IsSpaceOrTab(*p);
        p += (*p == u'\\' && p + 1 < end) ? 1 : 0;
    }
    if (blankLabel || end - p < 2 || p[1] != u':') {
        return false;
    }
    const char16_t* const destination = SkipSpaceOrTab(p + 2, end);
    const char16_t* const afterDestination = SkipDestination(destination, end);
    if (afterDestination == nullptr) {
        return false;
    }
    p = SkipSpaceOrTab(afterDestination, end);
    if (p == end) {
        return true;
    }
    if (p == afterDestination || (*p != u'"' && *p != u'\'' && *p != u'(')) {
        return false; // a title needs a blank before it
    }
    const char16_t close = *p == u'(' ? u')' : *p;
    for (++p; p < end && *p != close; ++p) {
        p += (*p == u'\\' && p + 1 < end) ? 1 : 0;
    }
    return p < end && OnlyBlanksFrom(p + 1, end);
}

bool IsTableDelimiterRow(const char16_t* begin, const char16_t* end) noexcept
{
    bool pipe = false;
    bool dash = false;
    for (const char16_t* p = begin; p < end; ++p) {
        if (*p == u'|') {
            pipe = true;
        } else if (*p == u'-') {
            dash = true;
        } else if (*p != u':' && !IsSpaceOrTab(*p)) {
            return false;
        }
    }
    return pipe && dash;
}

} // namespace zandrel::markdown
