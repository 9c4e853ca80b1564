#include "import/readers/markdown/MarkdownHtml.h"

#include <string_view>

#include "import/readers/markdown/MarkdownCharacters.h"
#include "import/readers/shared/CharacterReferences.h"
#include "import/readers/shared/MarkupCharacters.h"
#include "import/readers/shared/SortedTable.h"
#include "import/readers/shared/TagScanner.h"

namespace zandrel {
namespace {

using namespace markdown;
using namespace std::string_view_literals;

// The elements whose tag starts a block of HTML wherever it stands at a line's
// start, in small letters and byte order for the search.
// clang-format off
constexpr std::string_view BlockElementNames[] = {
    "address"sv,
    "article"sv,
    "aside"sv,
    "base"sv,
    "basefont"sv,
    "blockquote"sv,
    "body"sv,
    "caption"sv,
    "center"sv,
    "col"sv,
    "colgroup"sv,
    "dd"sv,
    "details"sv,
    "dialog"sv,
    "dir"sv,
    "div"sv,
    "dl"sv,
    "dt"sv,
    "fieldset"sv,
    "figcaption"sv,
    "figure"sv,
    "footer"sv,
    "form"sv,
    "frame"sv,
    "frameset"sv,
    "h1"sv,
    "h2"sv,
    "h3"sv,
    "h4"sv,
    "h5"sv,
    "h6"sv,
    "head"sv,
    "header"sv,
    "hr"sv,
    "html"sv,
    "iframe"sv,
    "legend"sv,
    "li"sv,
    "link"sv,
    "main"sv,
    "menu"sv,
    "menuitem"sv,
    "nav"sv,
    "noframes"sv,
    "ol"sv,
    "optgroup"sv,
    "option"sv,
    "p"sv,
    "param"sv,
    "pre"sv,
    "script"sv,
    "search"sv,
    "section"sv,
    "style"sv,
    "summary"sv,
    "table"sv,
    "tbody"sv,
    "td"sv,
    "textarea"sv,
    "tfoot"sv,
    "th"sv,
    "thead"sv,
    "title"sv,
    "tr"sv,
    "track"sv,
    "ul"sv,
};
// clang-format on

static_assert(InByteOrder(BlockElementNames), "the search needs the names in byte order");

using RawTag = TagScanner<char16_t, TagRules::CommonMark>;

bool StartsWith(const char16_t* p, const char16_t* end, std::string_view ascii) noexcept
{
    if (static_cast<std::size_t>(end - p) < ascii.size()) {
        return false;
    }
    for (const char c : ascii) {
        if (AsciiLower(*p++) != static_cast<unsigned char>(c)) {
            return false;
        }
    }
    return true;
}

// Whether the tag at `at` (a '<') opens or closes a block element: its name
// (of letters and digits) followed by white space, the end of the line, '>'
// or "/>".
bool IsBlockElementTag(const char16_t* at, const char16_t* end) noexcept
{
    const RawTag tag(at, end);
    const std::u16string_view name = tag.Name();
    if (name.empty()) {
        return false;
    }
    const char16_t* const p = name.data() + name.size();
    const bool ends =
        p == end || IsSpaceOrTab(*p) || *p == u'>' || (*p == u'/' && p + 1 < end && p[1] == u'>');
    // A name with a '-' is in no row.
    return ends &&
           FindNameInAnyCase<LongestName(BlockElementNames)>(BlockElementNames, name) != nullptr;
}

} // namespace

std::size_t HtmlTagLength(const char16_t* at, const char16_t* end) noexcept
{
    if (at == end || *at != u'<') {
        return 0;
    }
    RawTag tag(at, end);
    return tag.Finish() == TagEnd::Complete ? static_cast<std::size_t>(tag.End() - at) : 0;
}

char16_t HtmlTagShows(const char16_t* at, const char16_t* end) noexcept
{
    const RawTag tag(at, end);
    const std::u16string_view name = tag.Name();
    if (name.size() == 2 && AsciiLower(name[0]) == u'b' && AsciiLower(name[1]) == u'r') {
        return u'\n'; // "</br>" too, as browsers read it
    }
    if (name.size() == 1 && AsciiLower(name[0]) == u'q') {
        return tag.Closing() ? u'\u201D' : u'\u201C';
    }
    return 0;
}

HtmlBlockKind HtmlBlockStart(const char16_t* begin, const char16_t* end,
                             bool paragraphOpen) noexcept
{
    if (end - begin < 2 || *begin != u'<') {
        return HtmlBlockKind::None;
    }
    if (begin[1] == u'?' || (begin[1] == u'!' && (StartsWith(begin, end, "<!--"sv) ||
                                                  StartsWith(begin, end, "<![cdata["sv) ||
                                                  (end - begin > 2 && IsAsciiLetter(begin[2]))))) {
        return HtmlBlockKind::EndsWithMarkup;
    }
    if (IsBlockElementTag(begin, end)) {
        return HtmlBlockKind::EndsAtBlankLine;
    }
    if (paragraphOpen) {
        return HtmlBlockKind::None;
    }
    const std::size_t tag = HtmlTagLength(begin, end);
    const char16_t* rest = begin + tag;
    while (rest < end && IsSpaceOrTab(*rest)) {
        ++rest;
    }
    return tag > 0 && rest == end ? HtmlBlockKind::EndsAtBlankLine : HtmlBlockKind::None;
}

char16_t* HtmlBlockText::Write(const char16_t* from, const char16_t* to, char16_t* out) noexcept
{
    const char16_t* p = from;
    while (p < to) {
        switch (state_) {
        case State::Text:
            if (*p == u'<' && StartsWith(p, to, "<!--"sv)) {
                state_ = State::Comment;
                p += 4;
            } else if (*p == u'<' && StartsWith(p, to, "<?"sv)) {
                state_ = State::Instruction;
                p += 2;
            } else if (*p == u'<' && StartsWith(p, to, "<!"sv)) {
                state_ = State::Declaration;
                p += 2;
            } else if (*p == u'<' && to - p > 1 &&
                       (IsAsciiLetter(p[1]) ||
                        (p[1] == u'/' && to - p > 2 && IsAsciiLetter(p[2])))) {
                state_ = State::Tag;
                quote_ = 0;
                shows_ = HtmlTagShows(p, to);
                ++p;
            } else if (char32_t code = 0;
                       std::size_t length = DecodeCharacterReference(p, to, code)) {
                code = ShownInLine(code);
                out += code == 0 ? 0 : WriteUtf16(code, out);
                p += length;
            } else {
                *out++ = *p++;
            }
            break;
        case State::Tag:
            if (quote_ != 0) {
                quote_ = *p == quote_ ? 0 : quote_;
            } else if (*p == u'"' || *p == u'\'') {
                quote_ = *p;
            } else if (*p == u'>') {
                state_ = State::Text;
                if (shows_ != 0) {
                    *out++ = shows_; // the tag read is longer than what it shows
                }
            }
            ++p;
            break;
        case State::Comment:
            if (StartsWith(p, to, "-->"sv)) {
                state_ = State::Text;
                p += 3;
            } else {
                ++p;
            }
            break;
        case State::Instruction:
            if (StartsWith(p, to, "?>"sv)) {
                state_ = State::Text;
                p += 2;
            } else {
                ++p;
            }
            break;
        case State::Declaration:
            state_ = *p++ == u'>' ? State::Text : State::Declaration;
            break;
        }
    }
    return out;
}

} // namespace zandrel
