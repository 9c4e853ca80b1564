#include "import/readers/rst/RestSubstitutions.h"

#include "import/readers/rst/RestCharacters.h"
#include "import/readers/rst/RestInline.h"
#include "import/readers/rst/RestLines.h"
#include "import/readers/shared/UnitScan.h"

namespace zandrel {
namespace {

using namespace rst;

bool SameName(const char16_t* a, const char16_t* b, std::size_t length, bool anyCase) noexcept
{
    for (std::size_t i = 0; i < length; ++i) {
        if (anyCase ? AsciiLower(a[i]) != AsciiLower(b[i]) : a[i] != b[i]) {
            return false;
        }
    }
    return true;
}

bool IsReplace(const char16_t* begin, const char16_t* end) noexcept
{
    constexpr char16_t Replace[] = u"replace";
    if (end - begin != 7) {
        return false;
    }
    return SameName(begin, Replace, 7, true);
}

struct SourceLine {
    const char16_t* begin; // past its indentation
    const char16_t* end;
    const char16_t* next;
};

SourceLine LineFrom(const char16_t* at, const char16_t* end) noexcept
{
    while (at < end && IsSpaceOrTab(*at)) {
        ++at;
    }
    const char16_t* const stop = FindLineBreak(at, end);
    const char16_t* next = stop;
    if (next < end) {
        next += (*next == u'\r' && next + 1 < end && next[1] == u'\n') ? 2 : 1;
    }
    return {at, stop, next};
}

const char16_t* TrimEnd(const char16_t* begin, const char16_t* end) noexcept
{
    while (end > begin && IsWhiteSpace(end[-1])) {
        --end;
    }
    return end;
}

} // namespace

bool IsReplaceDefinition(const char16_t* begin, const char16_t* end) noexcept
{
    const ExplicitLine markup = ReadExplicitLine(begin, end);
    return markup.markup == ExplicitMarkup::Substitution &&
           IsReplace(markup.directiveBegin, markup.directiveEnd);
}

void RestSubstitutions::Collect(const char16_t* text, std::size_t units) noexcept
{
    count_ = 0;
    used_ = 0;
    const char16_t* const end = text + units;
    for (const char16_t* at = text; at < end;) {
        // A definition's line starts with ".. |" after its indentation: the
        // scan goes from one '|' to the next.
        const char16_t* const bar = FindUnit(at, end, u'|');
        if (bar == end) {
            break;
        }
        const char16_t* start = bar;
        while (start > text && start[-1] != u'\n' && start[-1] != u'\r') {
            --start;
        }
        const SourceLine line = LineFrom(start, end);
        at = line.next;
        if (*line.begin != u'.') {
            continue;
        }
        const ExplicitLine markup = ReadExplicitLine(line.begin, line.end);
        if (markup.markup != ExplicitMarkup::Substitution ||
            !IsReplace(markup.directiveBegin, markup.directiveEnd)) {
            continue;
        }
        const char16_t* value = markup.text;
        const char16_t* valueEnd = TrimEnd(markup.text, line.end);
        if (value == valueEnd && at < end) {
            const SourceLine below = LineFrom(at, end); // the text on the line below
            value = below.begin;
            valueEnd = TrimEnd(below.begin, below.end);
        }
        Add(markup.nameBegin, static_cast<std::size_t>(markup.nameEnd - markup.nameBegin), value,
            static_cast<std::size_t>(valueEnd - value));
    }
}

void RestSubstitutions::Add(const char16_t* name, std::size_t nameLength, const char16_t* text,
                            std::size_t textLength) noexcept
{
    if (count_ == MostDefinitions || nameLength > LongestName ||
        PoolUnits - used_ < nameLength + textLength) {
        return;
    }
    Definition& definition = definitions_[count_++];
    definition.name = static_cast<std::uint16_t>(used_);
    definition.nameLength = static_cast<std::uint16_t>(nameLength);
    for (std::size_t i = 0; i < nameLength; ++i) {
        pool_[used_++] = name[i];
    }
    definition.text = static_cast<std::uint16_t>(used_);
    for (std::size_t i = 0; i < textLength; ++i) {
        pool_[used_++] = text[i];
    }
    // Read as the inline markup it is; a reference in it shows nothing.
    definition.textLength = static_cast<std::uint16_t>(
        RestInlineToText(pool_ + definition.text, textLength, 0, nullptr));
    used_ = definition.text + definition.textLength;
}

bool RestSubstitutions::AnyLongerThanItsReference() const noexcept
{
    for (std::size_t i = 0; i < count_; ++i) {
        if (definitions_[i].textLength > definitions_[i].nameLength + 2) {
            return true;
        }
    }
    return false;
}

bool RestSubstitutions::Find(const char16_t* name, std::size_t length, const char16_t*& text,
                             std::size_t& textLength) const noexcept
{
    for (int pass = 0; pass < 2; ++pass) {
        const bool anyCase = pass == 1;
        for (std::size_t i = 0; i < count_; ++i) {
            const Definition& definition = definitions_[i];
            if (definition.nameLength == length &&
                SameName(pool_ + definition.name, name, length, anyCase)) {
                text = pool_ + definition.text;
                textLength = definition.textLength;
                return true;
            }
        }
    }
    return false;
}

} // namespace zandrel
