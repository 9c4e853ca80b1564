#include "import/readers/rst/RestLines.h"

#include "import/readers/rst/RestCharacters.h"

namespace zandrel::rst {
namespace {

constexpr std::size_t LongestEnumerator = 9;

const char16_t* TrimEnd(const char16_t* begin, const char16_t* end) noexcept
{
    while (end > begin && IsWhiteSpace(end[-1])) {
        --end;
    }
    return end;
}

const char16_t* SkipBlanks(const char16_t* at, const char16_t* end) noexcept
{
    while (at < end && IsSpaceOrTab(*at)) {
        ++at;
    }
    return at;
}

// Whether `at` is the end of the line or a blank: what follows a marker.
bool EndsMarker(const char16_t* at, const char16_t* end) noexcept
{
    return at == end || IsSpaceOrTab(*at);
}

bool IsRoman(char16_t c) noexcept
{
    switch (c) {
    case u'i':
    case u'v':
    case u'x':
    case u'l':
    case u'c':
    case u'd':
    case u'm':
    case u'I':
    case u'V':
    case u'X':
    case u'L':
    case u'C':
    case u'D':
    case u'M':
        return true;
    default:
        return false;
    }
}

// Past an enumerator's number at `at`: arabic digits, one letter, a roman
// numeral or '#'; `at` where none stands.
const char16_t* EnumeratorEnd(const char16_t* at, const char16_t* end) noexcept
{
    if (at == end) {
        return at;
    }
    if (*at == u'#') {
        return at + 1;
    }
    const char16_t* p = at;
    while (p < end && p - at < static_cast<std::ptrdiff_t>(LongestEnumerator) && IsAsciiDigit(*p)) {
        ++p;
    }
    if (p > at) {
        return p;
    }
    while (p < end && p - at < static_cast<std::ptrdiff_t>(LongestEnumerator) && IsRoman(*p)) {
        ++p;
    }
    if (p - at > 1) {
        return p;
    }
    return IsAsciiLetter(*at) ? at + 1 : at;
}

bool IsBullet(char16_t c) noexcept
{
    return c == u'*' || c == u'+' || c == u'-' || c == 0x2022 || c == 0x2023 || c == 0x2043;
}

} // namespace

std::size_t AdornmentLength(const char16_t* begin, const char16_t* end, char16_t& mark) noexcept
{
    end = TrimEnd(begin, end);
    if (begin == end || !IsAdornmentCharacter(*begin)) {
        return 0;
    }
    for (const char16_t* p = begin + 1; p < end; ++p) {
        if (*p != *begin) {
            return 0;
        }
    }
    mark = *begin;
    return static_cast<std::size_t>(end - begin);
}

std::size_t TextColumns(const char16_t* begin, const char16_t* end) noexcept
{
    std::size_t columns = 0;
    for (; begin < end; ++begin) {
        columns += IsWideColumn(*begin) ? 2 : ((*begin & 0xFC00) == 0xDC00 ? 0 : 1);
    }
    return columns;
}

std::size_t GridTableBorder(const char16_t* begin, const char16_t* end,
                            std::size_t* columns) noexcept
{
    end = TrimEnd(begin, end);
    if (end - begin < 3 || *begin != u'+' || end[-1] != u'+' ||
        (begin[1] != u'-' && begin[1] != u'=')) {
        return 0;
    }
    std::size_t count = 0;
    for (const char16_t* p = begin; p < end; ++p) {
        if (*p == u'+') {
            if (p > begin && p[-1] == u'+') {
                return 0;
            }
            if (count < MostTableColumns) {
                columns[count++] = static_cast<std::size_t>(p - begin);
            }
        } else if (*p != u'-' && *p != u'=') {
            return 0;
        }
    }
    return count;
}

std::size_t SimpleTableRule(const char16_t* begin, const char16_t* end, bool dashesToo,
                            std::size_t* columns) noexcept
{
    end = TrimEnd(begin, end);
    std::size_t count = 0;
    for (const char16_t* p = begin; p < end;) {
        if (IsSpaceOrTab(*p)) {
            ++p;
            continue;
        }
        if (*p != u'=' && !(dashesToo && *p == u'-')) {
            return 0;
        }
        if (count < MostTableColumns) {
            columns[count++] = static_cast<std::size_t>(p - begin);
        }
        while (p < end && (*p == u'=' || (dashesToo && *p == u'-'))) {
            ++p;
        }
    }
    return dashesToo || count >= 2 ? count : 0;
}

const char16_t* SimpleNameEnd(const char16_t* begin, const char16_t* end) noexcept
{
    const char16_t* p = begin;
    while (p < end && IsWordUnit(*p)) {
        ++p;
        const bool separator =
            p + 1 < end && (*p == u'-' || *p == u'.' || *p == u'_' || *p == u'+' || *p == u':');
        if (separator && IsWordUnit(p[1])) {
            ++p;
        }
    }
    return p;
}

bool IsFootnoteLabel(const char16_t* begin, const char16_t* end) noexcept
{
    if (begin == end) {
        return false;
    }
    if (end - begin == 1 && (*begin == u'#' || *begin == u'*')) {
        return true;
    }
    const char16_t* const name = *begin == u'#' ? begin + 1 : begin;
    return name < end && SimpleNameEnd(name, end) == end;
}

ExplicitLine ReadExplicitLine(const char16_t* begin, const char16_t* end) noexcept
{
    ExplicitLine line;
    end = TrimEnd(begin, end);
    if (end - begin < 2 || begin[0] != u'.' || begin[1] != u'.' || !EndsMarker(begin + 2, end)) {
        return line;
    }
    const char16_t* const at = SkipBlanks(begin + 2, end);
    line.text = at;
    if (at == end) {
        line.markup = ExplicitMarkup::EmptyComment;
        return line;
    }
    line.markup = ExplicitMarkup::Comment;
    if (*at == u'_' && at + 1 < end && !IsSpaceOrTab(at[1])) {
        line.markup = ExplicitMarkup::Target;
        return line;
    }
    if (*at == u'[') {
        const char16_t* close = at + 1;
        while (close < end && *close != u']') {
            ++close;
        }
        if (close < end && IsFootnoteLabel(at + 1, close) && EndsMarker(close + 1, end)) {
            line.markup = ExplicitMarkup::Footnote;
            line.nameBegin = at;
            line.nameEnd = close + 1;
            line.text = SkipBlanks(close + 1, end);
        }
        return line;
    }
    if (*at == u'|') {
        const char16_t* close = at + 1;
        while (close < end && *close != u'|') {
            ++close;
        }
        if (close == end || close == at + 1 || IsSpaceOrTab(at[1]) || IsSpaceOrTab(close[-1]) ||
            !EndsMarker(close + 1, end)) {
            return line;
        }
        const char16_t* const directive = SkipBlanks(close + 1, end);
        const char16_t* const nameEnd = SimpleNameEnd(directive, end);
        const char16_t* colons = nameEnd < end && *nameEnd == u' ' ? nameEnd + 1 : nameEnd;
        if (nameEnd == directive || end - colons < 2 || colons[0] != u':' || colons[1] != u':' ||
            !EndsMarker(colons + 2, end)) {
            return line;
        }
        line.markup = ExplicitMarkup::Substitution;
        line.nameBegin = at + 1;
        line.nameEnd = close;
        line.directiveBegin = directive;
        line.directiveEnd = nameEnd;
        line.text = SkipBlanks(colons + 2, end);
        return line;
    }
    const char16_t* const nameEnd = SimpleNameEnd(at, end);
    const char16_t* colons = nameEnd < end && *nameEnd == u' ' ? nameEnd + 1 : nameEnd;
    if (nameEnd > at && end - colons >= 2 && colons[0] == u':' && colons[1] == u':' &&
        EndsMarker(colons + 2, end)) {
        line.markup = ExplicitMarkup::Directive;
        line.nameBegin = at;
        line.nameEnd = nameEnd;
        line.text = SkipBlanks(colons + 2, end);
    }
    return line;
}

bool IsAnonymousTarget(const char16_t* begin, const char16_t* end) noexcept
{
    end = TrimEnd(begin, end);
    return end - begin >= 2 && begin[0] == u'_' && begin[1] == u'_' && EndsMarker(begin + 2, end);
}

std::size_t FieldMarkerLength(const char16_t* begin, const char16_t* end,
                              const char16_t*& nameEnd) noexcept
{
    if (end - begin < 3 || *begin != u':' || begin[1] == u':' || IsSpaceOrTab(begin[1])) {
        return 0;
    }
    for (const char16_t* p = begin + 1; p < end; ++p) {
        if (*p == u'\\') {
            ++p; // an escaped character, a colon too, belongs to the name
            continue;
        }
        if (*p != u':') {
            continue;
        }
        if (EndsMarker(p + 1, end)) {
            if (IsSpaceOrTab(p[-1])) {
                return 0;
            }
            nameEnd = p;
            return static_cast<std::size_t>(SkipBlanks(p + 1, end) - begin);
        }
        if (p[1] == u'`') {
            return 0; // a role: ":ref:`text`"
        }
    }
    return 0;
}

std::size_t ListMarkerLength(const char16_t* begin, const char16_t* end) noexcept
{
    if (begin == end) {
        return 0;
    }
    const char16_t* after = nullptr;
    if (IsBullet(*begin)) {
        after = begin + 1;
    } else {
        const bool parenthesised = *begin == u'(';
        const char16_t* const number = parenthesised ? begin + 1 : begin;
        const char16_t* const numberEnd = EnumeratorEnd(number, end);
        if (numberEnd == number || numberEnd == end) {
            return 0;
        }
        if (parenthesised ? *numberEnd != u')' : (*numberEnd != u'.' && *numberEnd != u')')) {
            return 0;
        }
        after = numberEnd + 1;
    }
    if (!EndsMarker(after, end)) {
        return 0;
    }
    return static_cast<std::size_t>(SkipBlanks(after, end) - begin);
}

bool IsLineBlockLine(const char16_t* begin, const char16_t* end) noexcept
{
    return begin < end && *begin == u'|' && EndsMarker(begin + 1, end);
}

bool IsDoctestLine(const char16_t* begin, const char16_t* end) noexcept
{
    return end - begin >= 3 && begin[0] == u'>' && begin[1] == u'>' && begin[2] == u'>' &&
           EndsMarker(begin + 3, end);
}

} // namespace zandrel::rst
