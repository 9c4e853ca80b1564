#include "import/readers/html/HtmlText.h"

#include <cstdint>
#include <cstring>
#include <string_view>

#include "import/readers/shared/CharacterReferences.h"
#include "import/readers/shared/MarkupCharacters.h"
#include "import/readers/shared/NameIndex.h"
#include "import/readers/shared/SortedTable.h"
#include "import/readers/shared/TagScanner.h"

namespace zandrel {
namespace {

using namespace std::string_view_literals;

// What an element does to the text around it.
enum class ElementKind : unsigned char {
    Inline,  // its tags go, its text stays
    Block,   // its start and end tags end a line
    Heading, // a block; the first one that repeats the title goes
    Cell,    // the cells of a row share a line, a TAB apart
    Row,     // a block that starts a new row of cells
    Pre,     // a block whose lines and white space stay
    Quote,   // inline, its text between quotation marks
    Title,   // the first line; a later one shows nothing
    Hidden,  // shows nothing up to its end tag
};

// Room for the longest name in the table: a longer one is an inline element's.
constexpr std::size_t NameCapacity = 10;

// Names are held in the rows themselves, with zeros after them: no pointers.
struct Element {
    char name[NameCapacity + 1];
    ElementKind kind;
};

// Every element that is not inline, by name in small letters, in byte order.
// clang-format off
constexpr Element Elements[] = {
    {"address", ElementKind::Block},
    {"article", ElementKind::Block},
    {"aside", ElementKind::Block},
    {"blockquote", ElementKind::Block},
    {"body", ElementKind::Block},
    {"br", ElementKind::Block},
    {"caption", ElementKind::Row},
    {"center", ElementKind::Block},
    {"dd", ElementKind::Block},
    {"details", ElementKind::Block},
    {"dialog", ElementKind::Block},
    {"dir", ElementKind::Block},
    {"div", ElementKind::Block},
    {"dl", ElementKind::Block},
    {"dt", ElementKind::Block},
    {"fieldset", ElementKind::Block},
    {"figcaption", ElementKind::Block},
    {"figure", ElementKind::Block},
    {"footer", ElementKind::Block},
    {"form", ElementKind::Block},
    {"h1", ElementKind::Heading},
    {"h2", ElementKind::Heading},
    {"h3", ElementKind::Heading},
    {"h4", ElementKind::Heading},
    {"h5", ElementKind::Heading},
    {"h6", ElementKind::Heading},
    {"header", ElementKind::Block},
    {"hgroup", ElementKind::Block},
    {"hr", ElementKind::Block},
    {"iframe", ElementKind::Hidden},
    {"legend", ElementKind::Block},
    {"li", ElementKind::Block},
    {"main", ElementKind::Block},
    {"menu", ElementKind::Block},
    {"nav", ElementKind::Block},
    {"noembed", ElementKind::Hidden},
    {"noframes", ElementKind::Hidden},
    {"noscript", ElementKind::Hidden},
    {"ol", ElementKind::Block},
    {"p", ElementKind::Block},
    {"pre", ElementKind::Pre},
    {"q", ElementKind::Quote},
    {"script", ElementKind::Hidden},
    {"section", ElementKind::Block},
    {"style", ElementKind::Hidden},
    {"summary", ElementKind::Block},
    {"table", ElementKind::Row},
    {"tbody", ElementKind::Row},
    {"td", ElementKind::Cell},
    {"template", ElementKind::Hidden},
    {"tfoot", ElementKind::Row},
    {"th", ElementKind::Cell},
    {"thead", ElementKind::Row},
    {"title", ElementKind::Title},
    {"tr", ElementKind::Row},
    {"ul", ElementKind::Block},
};
// clang-format on

static_assert(InByteOrder(Elements), "in byte order, to read");

// '<', '&' and white space: all below 64, as bits of one word.
constexpr std::uint64_t RunEnds = 1ull << '<' | 1ull << '&' | 1ull << ' ' | 1ull << '\t' |
                                  1ull << '\n' | 1ull << '\r' | 1ull << '\f';

constexpr bool EndsRun(char16_t c) noexcept
{
    return c < 64 && ((RunEnds >> c) & 1) != 0;
}

bool SkipSpace(const char16_t*& at, const char16_t* end) noexcept
{
    const char16_t* const from = at;
    while (at < end && IsHtmlSpace(*at)) {
        ++at;
    }
    return at != from;
}

// Whether two texts are the same once each run of white space counts as one
// space and none counts at either end.
bool SameCollapsedText(const char16_t* a, const char16_t* aEnd, const char16_t* b,
                       const char16_t* bEnd) noexcept
{
    SkipSpace(a, aEnd);
    SkipSpace(b, bEnd);
    while (a < aEnd && b < bEnd) {
        if (*a++ != *b++) {
            return false;
        }
        const bool spaceA = SkipSpace(a, aEnd);
        const bool spaceB = SkipSpace(b, bEnd);
        if (spaceA != spaceB && a < aEnd && b < bEnd) {
            return false;
        }
    }
    return a == aEnd && b == bEnd;
}

struct Tag {
    std::size_t end = 0;              // just after its '>'; 0 where the text ends first
    const Element* element = nullptr; // the table's row, for one that is not inline
    ElementKind kind = ElementKind::Inline;
    bool isEnd = false;
    bool selfClosing = false;
};

// Reads the page once, front to back, writing the text it shows over the
// markup already read: what a step writes never outruns what it has read, as
// every separator written stands for markup or white space read and not
// written.
class HtmlReader {
public:
    HtmlReader(char16_t* text, std::size_t units) noexcept : text_(text), units_(units), end_(units)
    {
    }

    std::size_t Read() noexcept
    {
        ReadPart();
        return out_;
    }

private:
    // Where the text stood before a title or heading began.
    struct Mark {
        std::size_t out = 0;
        bool pendingBreak = false;
    };

    // The page, or a title's text: one loop, with what each step calls once
    // inlined in it, not a call a step.
    void ReadPart() noexcept
    {
        while (at_ < end_) {
            const char16_t c = text_[at_];
            if (c == u'<') {
                Markup();
            } else if (c == u'&') {
                Reference();
            } else if (!IsHtmlSpace(c)) {
                Run();
            } else if (!inPre_ || inTitle_) {
                for (++at_; at_ < end_ && IsHtmlSpace(text_[at_]); ++at_) {
                }
                pendingSpace_ = true;
            } else {
                ++at_;
                Character(c);
            }
        }
    }

    // Text from a character that is no white space up to the next '<', '&' or
    // white space that does not show as it stands, emitted at once: a space
    // between two such characters shows as itself, and in <pre> a space or TAB
    // after text does too.
    void Run() noexcept
    {
        const std::size_t from = at_;
        const bool keepSpace = inPre_ && !inTitle_;
        std::size_t to = from + 1;
        while (to < end_) {
            const char16_t c = text_[to];
            if (!EndsRun(c)) {
                ++to;
            } else if (c == u' ' && !keepSpace && to + 1 < end_ && !EndsRun(text_[to + 1])) {
                to += 2;
            } else if ((c == u' ' || c == u'\t') && keepSpace) {
                ++to;
            } else {
                break;
            }
        }
        at_ = to;
        Emit(text_ + from, to - from);
    }

    void Character(char16_t c) noexcept
    {
        if (!IsHtmlSpace(c)) {
            Emit(&c, 1);
        } else if (!inPre_ || inTitle_) {
            pendingSpace_ = true;
        } else if (c == u'\n' || c == u'\r' || c == u'\f') {
            EndLine();
        } else if (lineHasText_) {
            Emit(&c, 1); // the indentation of a line is cut later anyway
        }
    }

    void Emit(const char16_t* units, std::size_t count) noexcept
    {
        if (pendingBreak_) {
            text_[out_++] = u'\n';
            pendingBreak_ = false;
        } else if (lineHasText_ && pendingTabs_ > 0) {
            for (; pendingTabs_ > 0; --pendingTabs_) {
                text_[out_++] = u'\t';
            }
        } else if (lineHasText_ && pendingSpace_) {
            text_[out_++] = u' ';
        }
        pendingSpace_ = false;
        pendingTabs_ = 0;
        // The units may be the text's own, behind or at where they go.
        if (units != text_ + out_) {
            std::memmove(text_ + out_, units, count * sizeof(char16_t));
        }
        out_ += count;
        lineHasText_ = true;
    }

    // A break is written only before the next text: never an empty line, nor
    // one at either end.
    void EndLine() noexcept
    {
        if (lineHasText_) {
            pendingBreak_ = true;
            lineHasText_ = false;
        }
        pendingSpace_ = false;
        pendingTabs_ = 0;
    }

    void Reference() noexcept
    {
        char32_t code = 0;
        const std::size_t spans = DecodeCharacterReference(text_ + at_, text_ + end_, code);
        if (spans == 0) {
            ++at_;
            Character(u'&');
            return;
        }
        at_ += spans;
        code = ShownInPage(code);
        if (code == 0) {
            return;
        }
        char16_t units[2];
        const std::size_t count = WriteUtf16(code, units);
        if (count == 1) {
            Character(units[0]);
        } else {
            Emit(units, count);
        }
    }

    void Markup() noexcept
    {
        const std::size_t next = at_ + 1;
        if (next == end_) {
            // At the end of the bytes read a '<' is a tag that the read cut off.
            ++at_;
            if (end_ != units_) {
                Character(u'<');
            }
            return;
        }
        const char16_t c = text_[next];
        if (IsAsciiLetter(c) || (c == u'/' && next + 1 < end_ && IsAsciiLetter(text_[next + 1]))) {
            const Tag tag = ScanTag(at_);
            at_ = tag.end != 0 ? tag.end : end_;
            if (tag.end != 0) {
                Apply(tag);
            }
        } else if (c == u'/' && next + 1 < end_ && text_[next + 1] == u'>') {
            at_ = next + 2; // "</>" is nothing
        } else if (c == u'!' && next + 2 < end_ && text_[next + 1] == u'-' &&
                   text_[next + 2] == u'-') {
            // From the "--" of "<!--" on, so that "<!-->" and "<!--->" end at once.
            at_ = After(u"-->"sv, next + 1);
        } else if (c == u'!' || c == u'/' || c == u'?') {
            at_ = After(u">"sv, next + 1); // a doctype, a processing instruction
        } else {
            ++at_;
            Character(u'<');
        }
    }

    // Just after the first `what` from `from` on, or the end.
    [[nodiscard]] std::size_t After(std::u16string_view what, std::size_t from) const noexcept
    {
        const std::u16string_view rest(text_ + from, end_ - from);
        const std::size_t found = rest.find(what);
        return found == std::u16string_view::npos ? end_ : from + found + what.size();
    }

    // A tag ends at the first '>' outside an attribute value in quotes.
    [[nodiscard]] Tag ScanTag(std::size_t from) const noexcept
    {
        Tag tag;
        // Most tags are a name of letters and digits and their '>': "<p>", "</td>".
        std::size_t name = from + 1;
        tag.isEnd = name < end_ && text_[name] == u'/';
        name += tag.isEnd ? 1 : 0;
        std::size_t k = name;
        while (k < end_ && (IsAsciiLetter(text_[k]) || IsAsciiDigit(text_[k]))) {
            ++k;
        }
        if (k > name && k < end_ && text_[k] == u'>' && IsAsciiLetter(text_[name])) {
            tag.end = k + 1;
            Classify(tag, std::u16string_view(text_ + name, k - name));
            return tag;
        }
        TagScanner<char16_t, TagRules::Browser> scanner(text_ + from, text_ + end_);
        if (scanner.Finish() != TagEnd::Complete) {
            return tag;
        }
        tag.end = static_cast<std::size_t>(scanner.End() - text_);
        tag.selfClosing = scanner.SelfClosing();
        Classify(tag, scanner.Name());
        return tag;
    }

    static void Classify(Tag& tag, std::u16string_view name) noexcept
    {
        if (const Element* const found = NameIndex<Elements>::FindInAnyCase(name)) {
            tag.kind = found->kind;
            tag.element = found;
        }
    }

    void Apply(const Tag& tag) noexcept
    {
        if (inTitle_) {
            return; // a title is one line of text
        }
        switch (tag.kind) {
        case ElementKind::Inline:
            return;
        case ElementKind::Block:
            EndLine();
            return;
        case ElementKind::Row:
            EndLine();
            cellsInRow_ = 0;
            return;
        case ElementKind::Cell:
            if (!tag.isEnd) {
                if (cellsInRow_ > 0 && lineHasText_) {
                    ++pendingTabs_;
                }
                ++cellsInRow_;
            }
            return;
        case ElementKind::Pre:
            EndLine();
            inPre_ = !tag.isEnd;
            return;
        case ElementKind::Quote: {
            // As a browser shows it; a code page without them gets '"'.
            const char16_t mark = tag.isEnd ? u'\u201D' : u'\u201C';
            Emit(&mark, 1);
            return;
        }
        case ElementKind::Heading:
            EndLine();
            if (!tag.isEnd) {
                StartHeading();
            } else {
                EndHeading();
            }
            return;
        case ElementKind::Title:
            if (!tag.isEnd && !tag.selfClosing) {
                if (titleSeen_) {
                    SkipPastEndTag("title"sv);
                } else {
                    ReadTitle();
                }
            }
            return;
        case ElementKind::Hidden:
            if (!tag.isEnd && !tag.selfClosing) {
                SkipPastEndTag(tag.element->name);
            }
            return;
        }
    }

    // Where "</name" followed by white space, '/' or '>' starts, in any case;
    // the end where none does.
    [[nodiscard]] std::size_t FindEndTag(std::string_view name) const noexcept
    {
        for (std::size_t k = at_; k + 2 + name.size() < end_; ++k) {
            if (text_[k] != u'<' || text_[k + 1] != u'/') {
                continue;
            }
            std::size_t i = 0;
            while (i < name.size() &&
                   AsciiLower(text_[k + 2 + i]) == static_cast<char16_t>(name[i])) {
                ++i;
            }
            const char16_t after = text_[k + 2 + name.size()];
            if (i == name.size() && (IsHtmlSpace(after) || after == u'/' || after == u'>')) {
                return k;
            }
        }
        return end_;
    }

    void SkipPastEndTag(std::string_view name) noexcept
    {
        const std::size_t close = FindEndTag(name);
        const std::size_t after = close == end_ ? 0 : ScanTag(close).end;
        at_ = after != 0 ? after : end_;
    }

    void ReadTitle() noexcept
    {
        EndLine();
        headingOpen_ = false;
        const Mark mark{out_, pendingBreak_};
        const std::size_t close = FindEndTag("title"sv);
        const std::size_t outer = end_;
        end_ = close;
        inTitle_ = true;
        ReadPart();
        inTitle_ = false;
        end_ = outer;
        titleSeen_ = true;
        titleBegin_ = mark.out + (mark.pendingBreak && out_ > mark.out ? 1 : 0);
        titleEnd_ = out_;
        if (close != end_) {
            const Tag tag = ScanTag(close);
            at_ = tag.end != 0 ? tag.end : end_;
        }
        EndLine();
    }

    void StartHeading() noexcept
    {
        headingOpen_ = titleEnd_ > titleBegin_ && !headingDropped_;
        heading_ = Mark{out_, pendingBreak_};
    }

    // Called after the heading's line has ended.
    void EndHeading() noexcept
    {
        if (!headingOpen_) {
            return;
        }
        headingOpen_ = false;
        const std::size_t begin =
            heading_.out + (heading_.pendingBreak && out_ > heading_.out ? 1 : 0);
        if (SameCollapsedText(text_ + begin, text_ + out_, text_ + titleBegin_,
                              text_ + titleEnd_)) {
            out_ = heading_.out;
            pendingBreak_ = heading_.pendingBreak;
            lineHasText_ = false;
            headingDropped_ = true;
        }
    }

    char16_t* const text_;
    const std::size_t units_;
    std::size_t end_; // of the part being read: all of it, or a title
    std::size_t at_ = 0;
    std::size_t out_ = 0;

    bool lineHasText_ = false;
    bool pendingBreak_ = false;
    bool pendingSpace_ = false;
    std::size_t pendingTabs_ = 0;
    std::size_t cellsInRow_ = 0;
    bool inPre_ = false;

    bool inTitle_ = false;
    bool titleSeen_ = false;
    std::size_t titleBegin_ = 0;
    std::size_t titleEnd_ = 0;

    bool headingOpen_ = false;
    bool headingDropped_ = false;
    Mark heading_;
};

} // namespace

std::size_t HtmlToText(char16_t* text, std::size_t units) noexcept
{
    return HtmlReader(text, units).Read();
}

} // namespace zandrel
