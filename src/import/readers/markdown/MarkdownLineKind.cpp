#include "import/readers/markdown/MarkdownLineKind.h"

#include "import/readers/markdown/MarkdownCharacters.h"
#include "import/readers/markdown/MarkdownScan.h"

namespace zandrel::markdown {
namespace {

// Whether the line below `line` is a table's delimiter row. Most lines below
// a paragraph's line start with a unit that no such row starts with: their
// end is not looked for.
bool DelimiterRowBelow(const Line& line, const char16_t* textEnd) noexcept
{
    if (line.next >= textEnd) {
        return false;
    }
    // The quote markers and the indent end on the line: neither holds a break.
    std::size_t depth = 0;
    const char16_t* const at = SkipQuoteMarkers(line.next, textEnd, AnyDepth, depth);
    const char16_t* first = nullptr;
    if (Indent(at, textEnd, first) >= CodeIndent) {
        return false;
    }
    const bool mayBeRow = first < textEnd && (*first == u'|' || *first == u'-' || *first == u':');
    return mayBeRow && IsTableDelimiterRow(first, FindLineBreak(first, textEnd));
}

// A line that starts a block of its own, or ends one: its kind, or ParagraphText.
LineKind BlockStart(LineAnalysis& a, bool paragraphOpen, bool tableOpen) noexcept
{
    const char16_t* const begin = a.content;
    const char16_t* const end = a.contentEnd;
    if (IsAsciiLetter(*begin)) {
        return LineKind::ParagraphText; // every block's mark is punctuation or a digit
    }
    if ((a.fenceLength = CodeFenceLength(begin, end, a.fenceMark)) != 0) {
        return LineKind::Fence;
    }
    if ((a.headingLevel = AtxHeadingLevel(begin, end, a.content, a.contentEnd)) != 0) {
        return LineKind::Heading;
    }
    if (paragraphOpen && IsSetextUnderline(begin, end)) {
        return LineKind::SetextUnderline;
    }
    if (IsThematicBreak(begin, end)) {
        return LineKind::ThematicBreak;
    }
    if ((a.rawText = RawTextElementStart(begin, end)) != RawTextElement::None) {
        return LineKind::HtmlBlockStart; // even below a paragraph
    }
    if ((a.htmlKind = HtmlBlockStart(begin, end, paragraphOpen)) != HtmlBlockKind::None) {
        return LineKind::HtmlBlockStart;
    }
    if (!paragraphOpen && !tableOpen && IsReferenceDefinition(begin, end)) {
        return LineKind::ReferenceDefinition;
    }
    if ((a.listMarkerLength = ListMarkerLength(begin, end)) != 0) {
        a.listMarker = begin;
        Indent(begin + a.listMarkerLength, end, a.content);
        return LineKind::ListItem;
    }
    return LineKind::ParagraphText;
}

} // namespace

LineAnalysis AnalyseLine(const char16_t* begin, const char16_t* textEnd,
                         const LineContext& context) noexcept
{
    LineAnalysis a;
    a.line = LineAt(begin, textEnd);
    a.next = a.line.next;
    const char16_t* const end = a.line.end;
    a.contentEnd = end;
    if (begin < end && !IsSpaceOrTab(*begin)) {
        a.content = begin; // most lines: no indent to measure
    } else {
        a.indent = Indent(begin, end, a.content);
    }
    if (a.content == end) {
        a.kind = LineKind::Blank;
        return a;
    }
    if (!context.paragraphOpen && a.indent >= context.listIndent + CodeIndent) {
        a.kind = LineKind::IndentedCode;
        a.content = SkipColumns(begin, end, context.listIndent + CodeIndent);
        return a;
    }
    const char16_t* at = begin;
    if (*a.content == u'>' && a.indent < CodeIndent) { // else no marker, and the indent stands
        at = SkipQuoteMarkers(begin, end, AnyDepth, a.quoteDepth);
        a.indent = Indent(at, end, a.content);
        if (a.content == end) {
            a.kind = LineKind::Blank;
            return a;
        }
    }
    if (a.quoteDepth > 0 && !context.paragraphOpen && a.indent >= CodeIndent) {
        a.kind = LineKind::IndentedCode;
        a.content = SkipColumns(at, end, CodeIndent);
        return a;
    }
    // A quote that starts below a paragraph ends it.
    const bool paragraphOpen = context.paragraphOpen && a.quoteDepth <= context.paragraphDepth;
    const std::size_t listIndent = context.listIndent;
    const bool blockMayStart =
        (a.indent >= listIndent ? a.indent - listIndent : a.indent) < CodeIndent;
    const char16_t* const first = a.content;
    if (blockMayStart) {
        a.kind = BlockStart(a, paragraphOpen, context.tableOpen);
        if (a.kind != LineKind::ParagraphText) {
            return a;
        }
    }
    a.kind = LineKind::ParagraphText;
    if (context.tableOpen) {
        a.kind = LineKind::TableRow;
    } else if (blockMayStart && DelimiterRowBelow(a.line, textEnd) &&
               FindUnit(first, end, u'|') != end) {
        a.kind = LineKind::TableHeader;
        a.next = LineAt(a.line.next, textEnd).next; // the delimiter row shows nothing
    }
    return a;
}

} // namespace zandrel::markdown
