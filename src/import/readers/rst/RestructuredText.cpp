#include "import/readers/rst/RestructuredText.h"

#include <cstring>

#include "import/readers/rst/RestCharacters.h"
#include "import/readers/rst/RestDirectives.h"
#include "import/readers/rst/RestInline.h"
#include "import/readers/rst/RestLines.h"
#include "import/readers/rst/RestSubstitutions.h"
#include "import/readers/shared/UnitScan.h"

namespace zandrel {
namespace {

using namespace rst;

constexpr std::size_t TabStop = 8;
constexpr std::size_t TransitionLength = 4; // the shortest transition, and the shortest
                                            // underline that makes a title of a longer text

struct Line {
    std::size_t begin;
    std::size_t end;  // before its line break
    std::size_t next; // past its line break
};

// Blanks that leave a line empty on the screen.
bool IsBlankUnit(char16_t c) noexcept
{
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f' || c == 0x1A || c == 0xA0;
}

// What indents a line: docutils reads a vertical tab and a form feed as a blank.
bool IsIndentUnit(char16_t c) noexcept
{
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f';
}

// What the lines being read belong to, beside the body's paragraphs.
enum class Mode {
    Body,
    Hidden,         // a comment, target, substitution definition or silent directive
    DirectiveHead,  // a directive's arguments and options, up to a blank line
    AdmonitionHead, // an admonition's options, before its content
    FigureCaption,  // a figure's content: its first paragraph shows, the rest is hidden
    Literal,        // a literal block, or a code directive's content: lines as written
    Doctest,        // ">>>" lines, up to a blank line
    GridTable,
    SimpleTable,
};

// Reads the text line by line and writes what it shows over it: the write
// position never passes the read position, so the text only shrinks. A
// paragraph's lines are gathered before its inline markup is read, because
// that may run over their breaks; titles and table rows are read alone. A
// construct that owns the lines indented below its marker ends at the first
// line that shows something and is indented no deeper than the marker.
class RestReader {
public:
    RestReader(char16_t* text, std::size_t units) noexcept : text_(text), units_(units) {}

    std::size_t Read() noexcept
    {
        substitutions_.Collect(text_, units_);
        std::size_t at =
            substitutions_.AnyLongerThanItsReference() ? LiftOutReplaceDefinitions() : 0;
        while (at < units_) {
            at = ReadLine(LineAt(at));
        }
        CloseParagraph(units_);
        return DropBlankLines();
    }

private:
    // The line at `at`; the line below one is looked at before it is read, so
    // the last line found is kept.
    [[nodiscard]] Line LineAt(std::size_t at) noexcept
    {
        if (at == found_.begin && at < found_.next) {
            return found_;
        }
        found_ = FindLine(at);
        return found_;
    }

    [[nodiscard]] Line FindLine(std::size_t at) const noexcept
    {
        const std::size_t end = static_cast<std::size_t>(FindLineBreak(text_ + at, text_ + units_) - text_);
        std::size_t next = end;
        if (next < units_) {
            next += (text_[next] == u'\r' && next + 1 < units_ && text_[next + 1] == u'\n') ? 2 : 1;
        }
        return {at, end, next};
    }

    // A replacement may be longer than its reference, and the definitions
    // usually stand last: they are taken out of the text (they show nothing),
    // and what is left moves up by their length, so that writing starts that
    // far behind reading. Returns where the text now starts.
    std::size_t LiftOutReplaceDefinitions() noexcept
    {
        std::size_t out = 0;
        std::size_t definitionIndent = 0;
        bool inDefinition = false;
        for (std::size_t at = 0; at < units_;) {
            const Line line = LineAt(at);
            at = line.next;
            std::size_t first = 0;
            const std::size_t indent = Indent(line, first);
            if (inDefinition && first < line.end && indent > definitionIndent) {
                continue; // the definition's text goes on
            }
            inDefinition = IsReplaceDefinition(text_ + first, text_ + line.end);
            definitionIndent = indent;
            if (!inDefinition) {
                std::memmove(text_ + out, text_ + line.begin,
                             (line.next - line.begin) * sizeof(char16_t));
                out += line.next - line.begin;
            }
        }
        const std::size_t lift = units_ - out;
        std::memmove(text_ + lift, text_, out * sizeof(char16_t));
        found_ = {0, 0, 0};
        return lift;
    }

    // The columns of white space at the line's start, tabs to the next stop;
    // `first` the unit after them.
    std::size_t Indent(const Line& line, std::size_t& first) const noexcept
    {
        std::size_t columns = 0;
        std::size_t at = line.begin;
        for (; at < line.end && IsIndentUnit(text_[at]); ++at) {
            columns = text_[at] == u'\t' ? (columns / TabStop + 1) * TabStop : columns + 1;
        }
        first = at;
        return columns;
    }

    [[nodiscard]] bool IsBlank(const Line& line) const noexcept
    {
        std::size_t first = 0;
        Indent(line, first);
        return first == line.end;
    }

    void Copy(std::size_t from, std::size_t to) noexcept
    {
        if (from < to && from != out_) {
            std::memmove(text_ + out_, text_ + from, (to - from) * sizeof(char16_t));
        }
        out_ += from < to ? to - from : 0;
    }

    void EndLine(const Line& line) noexcept
    {
        if (line.end < line.next) {
            text_[out_++] = u'\n';
        }
    }

    [[nodiscard]] std::size_t TrimmedEnd(std::size_t from, std::size_t to) const noexcept
    {
        while (to > from && IsWhiteSpace(text_[to - 1])) {
            --to;
        }
        return to;
    }

    // The units from `start` to the write position read as inline markup;
    // a replacement may fill the room up to `limit`, the first unit not read.
    void ReadInline(std::size_t start, std::size_t limit) noexcept
    {
        const std::size_t room = limit > out_ ? limit - out_ : 0;
        out_ = start + RestInlineToText(text_ + start, out_ - start, room, &substitutions_);
    }

    // A title or a table row: its inline markup read alone. `last` is the last
    // line that the block took.
    void WriteBlock(std::size_t from, std::size_t to, const Line& last) noexcept
    {
        const std::size_t start = out_;
        Copy(from, TrimmedEnd(from, to));
        ReadInline(start, last.end < last.next ? last.next - 1 : last.next);
        EndLine(last);
    }

    void OpenParagraph(std::size_t indent, std::size_t floor, bool loose) noexcept
    {
        paragraph_ = true;
        paragraphStart_ = out_;
        paragraphIndent_ = indent;
        paragraphFloor_ = floor;
        paragraphLoose_ = loose;
    }

    void WriteParagraphLine(std::size_t from, const Line& line) noexcept
    {
        lastLineStart_ = out_;
        Copy(from, line.end);
        EndLine(line);
    }

    // A paragraph ends; when its text ends in "::", a literal block may follow:
    // one ':' stays, none where blanks stand before them or nothing else does.
    void CloseParagraph(std::size_t limit) noexcept
    {
        if (!paragraph_) {
            return;
        }
        paragraph_ = false;
        const bool broken = out_ > lastLineStart_ && text_[out_ - 1] == u'\n';
        std::size_t end = TrimmedEnd(lastLineStart_, broken ? out_ - 1 : out_);
        if (end - lastLineStart_ >= 2 && text_[end - 1] == u':' && text_[end - 2] == u':' &&
            (end - lastLineStart_ == 2 || text_[end - 3] != u'\\')) {
            if (end - lastLineStart_ == 2 || IsWhiteSpace(text_[end - 3])) {
                end = TrimmedEnd(lastLineStart_, end - 2);
            } else {
                end -= 1;
            }
            out_ = end;
            if (broken) {
                text_[out_++] = u'\n';
            }
            Enter(Mode::Literal, paragraphLoose_ ? paragraphFloor_ : paragraphIndent_);
        }
        ReadInline(paragraphStart_, limit);
    }

    void Enter(Mode mode, std::size_t indent) noexcept
    {
        mode_ = mode;
        modeIndent_ = indent;
        endsAtBlank_ = false;
        untilBlank_ = false;
    }

    // Returns where the next line starts.
    std::size_t ReadLine(const Line& line) noexcept
    {
        std::size_t first = 0;
        const std::size_t indent = Indent(line, first);
        const bool blank = first == line.end;
        if (blank) {
            CloseParagraph(line.begin);
        }
        for (;;) {
            if (mode_ == Mode::Body) {
                return blank ? line.next : ReadBodyLine(line, first, indent);
            }
            if (ReadModeLine(line, first, indent, blank)) {
                return line.next;
            }
            mode_ = Mode::Body; // the construct ended above this line
        }
    }

    // A line of the construct the mode names; false where it ended before it.
    bool ReadModeLine(const Line& line, std::size_t first, std::size_t indent, bool blank) noexcept
    {
        const bool inside = blank || indent > modeIndent_;
        switch (mode_) {
        case Mode::Hidden:
            if (blank) {
                return !endsAtBlank_ && !untilBlank_;
            }
            endsAtBlank_ = false;
            return inside;
        case Mode::DirectiveHead:
            if (blank) {
                EnterDirectiveContent();
                return true;
            }
            return inside;
        case Mode::AdmonitionHead: {
            const char16_t* nameEnd = nullptr;
            return !blank && inside && FieldMarkerLength(text_ + first, text_ + line.end, nameEnd) != 0;
        }
        case Mode::FigureCaption:
            if (blank) {
                if (captionSeen_) {
                    Enter(Mode::Hidden, modeIndent_);
                }
                return true;
            }
            if (!inside) {
                return false;
            }
            captionSeen_ = true;
            if (!paragraph_) {
                OpenParagraph(indent, modeIndent_, false);
            }
            WriteParagraphLine(first, line);
            return true;
        case Mode::Literal:
            if (!inside) {
                return false;
            }
            if (!blank) {
                Copy(first, line.end);
                EndLine(line);
            }
            return true;
        case Mode::Doctest:
            if (blank) {
                return false;
            }
            Copy(first, line.end);
            EndLine(line);
            return true;
        case Mode::GridTable:
            return !blank && ReadGridTableLine(line, first);
        case Mode::SimpleTable:
            return ReadSimpleTableLine(line, first, indent, blank);
        case Mode::Body:
            break;
        }
        return false;
    }

    void EnterDirectiveContent() noexcept
    {
        switch (directive_) {
        case RestDirectiveKind::ShowsNothing:
            Enter(Mode::Hidden, modeIndent_);
            break;
        case RestDirectiveKind::Literal:
            Enter(Mode::Literal, modeIndent_);
            break;
        case RestDirectiveKind::Figure:
            Enter(Mode::FigureCaption, modeIndent_);
            captionSeen_ = false;
            break;
        default:
            mode_ = Mode::Body; // the content is read as the body is
            break;
        }
    }

    std::size_t ReadBodyLine(const Line& line, std::size_t first, std::size_t indent) noexcept
    {
        if (paragraph_) {
            if (indent == paragraphIndent_ || (paragraphLoose_ && indent > paragraphFloor_)) {
                paragraphIndent_ = indent;
                paragraphLoose_ = false;
                WriteParagraphLine(first, line);
                return line.next;
            }
            CloseParagraph(line.begin);
            if (mode_ != Mode::Body) {
                return ReadLine(line); // the paragraph ended in "::"
            }
        }
        return ReadBlockStart(line, first, indent);
    }

    // Writes the text at `text` as the first line of a paragraph: a list item's,
    // a field's, a footnote's, whose next lines may stand at any indent deeper
    // than `floor`.
    void WriteItemText(std::size_t text, const Line& line, std::size_t floor) noexcept
    {
        if (text == line.end) {
            EndLine(line);
            return;
        }
        std::size_t first = 0;
        const std::size_t column = Indent(line, first) + (text - first);
        OpenParagraph(column, floor, true);
        WriteParagraphLine(text, line);
    }

    // The blocks that a sign starts: explicit markup, targets, tables,
    // adornments and fields; where the line after the block starts, 0 where
    // `line` starts none.
    std::size_t ReadSignedBlockStart(const Line& line, std::size_t first,
                                     std::size_t indent) noexcept
    {
        const char16_t* const begin = text_ + first;
        const char16_t* const end = text_ + line.end;
        if (const ExplicitLine markup = ReadExplicitLine(begin, end);
            markup.markup != ExplicitMarkup::None) {
            return ReadExplicitMarkup(line, markup, indent);
        }
        if (IsAnonymousTarget(begin, end)) {
            Enter(Mode::Hidden, indent);
            untilBlank_ = true;
            return line.next;
        }
        if (const std::size_t count = GridTableBorder(begin, end, columns_);
            count != 0 && line.next < units_) {
            const Line below = LineAt(line.next);
            std::size_t belowFirst = 0;
            Indent(below, belowFirst);
            if (belowFirst < below.end && (text_[belowFirst] == u'|' || text_[belowFirst] == u'+')) {
                columnCount_ = count;
                Enter(Mode::GridTable, indent);
                return line.next;
            }
        }
        if (const std::size_t count = SimpleTableRule(begin, end, false, columns_);
            count != 0 && line.next < units_ && !IsBlank(LineAt(line.next))) {
            columnCount_ = count;
            tableLead_ = first - line.begin;
            Enter(Mode::SimpleTable, indent);
            return line.next;
        }
        char16_t mark = 0;
        if (const std::size_t length = AdornmentLength(begin, end, mark)) {
            if (const std::size_t past = ReadOverlinedTitle(line, mark)) {
                return past;
            }
            if (length >= TransitionLength) {
                return line.next; // a transition
            }
        }
        const char16_t* nameEnd = nullptr;
        if (const std::size_t marker = FieldMarkerLength(begin, end, nameEnd)) {
            // ":Author: Name" shows "Author: Name".
            const std::size_t start = out_;
            Copy(first + 1, static_cast<std::size_t>(nameEnd - text_) + 1);
            const std::size_t text = first + marker;
            if (text < line.end) {
                text_[out_++] = text_[static_cast<std::size_t>(nameEnd - text_) + 1]; // the blank after it
            }
            OpenParagraph(indent + marker, indent, true);
            paragraphStart_ = start;
            WriteParagraphLine(text, line);
            lastLineStart_ = start;
            return line.next;
        }
        return 0;
    }

    std::size_t ReadBlockStart(const Line& line, std::size_t first, std::size_t indent) noexcept
    {
        const char16_t* const begin = text_ + first;
        const char16_t* const end = text_ + line.end;
        // A letter or digit starts no block that a sign starts: most lines are
        // a paragraph's.
        if (!IsAsciiLetter(*begin) && !IsAsciiDigit(*begin)) {
            if (const std::size_t past = ReadSignedBlockStart(line, first, indent)) {
                return past;
            }
        }
        if (const std::size_t marker = ListMarkerLength(begin, end)) {
            // The marker stays, as a rendering shows a bullet or a number; it is
            // no markup of the text after it.
            Copy(first, first + marker);
            WriteItemText(first + marker, line, indent);
            return line.next;
        }
        if (IsLineBlockLine(begin, end)) {
            std::size_t text = first + 1;
            while (text < line.end && IsSpaceOrTab(text_[text])) {
                ++text;
            }
            WriteItemText(text, line, indent);
            return line.next;
        }
        if (IsDoctestLine(begin, end)) {
            Enter(Mode::Doctest, indent);
            Copy(first, line.end);
            EndLine(line);
            return line.next;
        }
        if (const std::size_t past = ReadUnderlinedTitle(line, first, indent)) {
            return past;
        }
        OpenParagraph(indent, indent, false);
        WriteParagraphLine(first, line);
        return line.next;
    }

    std::size_t ReadExplicitMarkup(const Line& line, const ExplicitLine& markup,
                                   std::size_t indent) noexcept
    {
        const std::size_t text = static_cast<std::size_t>(markup.text - text_);
        switch (markup.markup) {
        case ExplicitMarkup::EmptyComment:
            Enter(Mode::Hidden, indent);
            endsAtBlank_ = true; // ".." alone owns only the lines right below it
            return line.next;
        case ExplicitMarkup::Footnote: {
            // ".. [1] Text" shows "[1] Text".
            const std::size_t start = out_;
            Copy(static_cast<std::size_t>(markup.nameBegin - text_), text);
            WriteItemText(text, line, indent);
            if (paragraph_) {
                paragraphStart_ = start;
                lastLineStart_ = start;
            }
            return line.next;
        }
        case ExplicitMarkup::Directive:
            return ReadDirective(line, markup, text, indent);
        case ExplicitMarkup::Target:
            Enter(Mode::Hidden, indent);
            untilBlank_ = true; // as docutils reads a target: its block ends at a blank line
            return line.next;
        default:
            Enter(Mode::Hidden, indent);
            return line.next;
        }
    }

    std::size_t ReadDirective(const Line& line, const ExplicitLine& markup, std::size_t text,
                              std::size_t indent) noexcept
    {
        directive_ = RestDirectiveKindOf(
            markup.nameBegin, static_cast<std::size_t>(markup.nameEnd - markup.nameBegin));
        switch (directive_) {
        case RestDirectiveKind::ShowsNothing:
            Enter(Mode::Hidden, indent);
            break;
        case RestDirectiveKind::Admonition:
            if (text < line.end) {
                WriteItemText(text, line, indent); // the content starts on the line
                mode_ = Mode::Body;
            } else {
                Enter(Mode::AdmonitionHead, indent);
            }
            break;
        case RestDirectiveKind::Titled:
            if (text < line.end) {
                WriteBlock(text, line.end, line);
            }
            Enter(Mode::DirectiveHead, indent);
            break;
        default:
            Enter(Mode::DirectiveHead, indent);
            break;
        }
        return line.next;
    }

    // A title between an overline and an underline of the same character;
    // where the line after the three starts, 0 where `line` starts none.
    std::size_t ReadOverlinedTitle(const Line& line, char16_t mark) noexcept
    {
        if (line.next >= units_) {
            return 0;
        }
        const Line title = LineAt(line.next);
        std::size_t first = 0;
        Indent(title, first);
        char16_t titleMark = 0;
        if (first == title.end || title.next > units_ ||
            AdornmentLength(text_ + first, text_ + title.end, titleMark) != 0) {
            return 0;
        }
        if (title.next >= units_) {
            return 0;
        }
        const Line under = LineAt(title.next);
        char16_t underMark = 0;
        if (AdornmentLength(text_ + under.begin, text_ + under.end, underMark) == 0 ||
            underMark != mark) {
            return 0;
        }
        WriteBlock(first, title.end, under);
        return under.next;
    }

    // A title over an underline at least as long as it (or, as docutils warns
    // but allows, of four characters or more); where the line after the two
    // starts, 0 where `line` is no title.
    std::size_t ReadUnderlinedTitle(const Line& line, std::size_t first,
                                    std::size_t indent) noexcept
    {
        if (indent != 0 || line.next >= units_) {
            return 0;
        }
        const Line under = LineAt(line.next);
        char16_t mark = 0;
        const std::size_t length = AdornmentLength(text_ + under.begin, text_ + under.end, mark);
        if (length == 0) {
            return 0;
        }
        const std::size_t textEnd = TrimmedEnd(first, line.end);
        if (length < TextColumns(text_ + first, text_ + textEnd) && length < TransitionLength) {
            return 0;
        }
        WriteBlock(first, line.end, under);
        return under.next;
    }

    // Writes the cells [cellBegin[k], cellEnd[k]) a TAB apart, without the empty
    // ones at either end, and reads the row's inline markup.
    void WriteCells(const std::size_t* cellBegin, const std::size_t* cellEnd, std::size_t count,
                    const Line& line) noexcept
    {
        const std::size_t start = out_;
        std::size_t written = 0; // cells written, empty ones inside included
        std::size_t pendingTabs = 0;
        for (std::size_t k = 0; k < count; ++k) {
            std::size_t from = cellBegin[k];
            const std::size_t to = TrimmedEnd(from, cellEnd[k]);
            while (from < to && IsWhiteSpace(text_[from])) {
                ++from;
            }
            if (from == to) {
                pendingTabs += written > 0 ? 1 : 0;
                continue;
            }
            if (written > 0) {
                for (++pendingTabs; pendingTabs > 0; --pendingTabs) {
                    text_[out_++] = u'\t';
                }
            }
            pendingTabs = 0;
            Copy(from, to);
            ++written;
        }
        ReadInline(start, line.end < line.next ? line.next - 1 : line.next);
        EndLine(line);
    }

    static bool IsRulePiece(const char16_t* begin, const char16_t* end) noexcept
    {
        for (; begin < end; ++begin) {
            if (*begin != u'-' && *begin != u'=' && *begin != u'+' && !IsBlankUnit(*begin)) {
                return false;
            }
        }
        return true;
    }

    // A grid table's row line: its cells are split at the '|' that stand in
    // the border's columns. False where the table ended above the line.
    bool ReadGridTableLine(const Line& line, std::size_t first) noexcept
    {
        if (first == line.end || (text_[first] != u'|' && text_[first] != u'+')) {
            return false;
        }
        if (const std::size_t count = GridTableBorder(text_ + first, text_ + line.end, columns_)) {
            columnCount_ = count;
            return true;
        }
        std::size_t cellBegin[MostTableColumns];
        std::size_t cellEnd[MostTableColumns];
        std::size_t cells = 0;
        std::size_t from = first + 1;
        for (std::size_t k = 1; k < columnCount_ && cells < MostTableColumns; ++k) {
            const std::size_t at = first + columns_[k];
            if (at >= line.end) {
                break;
            }
            if (text_[at] == u'|' || text_[at] == u'+') {
                const bool rule = IsRulePiece(text_ + from, text_ + at);
                cellBegin[cells] = from;
                cellEnd[cells++] = rule ? from : at;
                from = at + 1;
            }
        }
        if (from < line.end && cells < MostTableColumns) {
            const bool rule = IsRulePiece(text_ + from, text_ + line.end);
            cellBegin[cells] = from;
            cellEnd[cells++] = rule ? from : line.end;
        }
        WriteCells(cellBegin, cellEnd, cells, line);
        return true;
    }

    // A simple table's line: rules go, the last of them where a blank line or
    // the end follows; a row's cells are cut at the columns where the top
    // rule's runs start.
    bool ReadSimpleTableLine(const Line& line, std::size_t first, std::size_t indent,
                             bool blank) noexcept
    {
        if (blank) {
            return true;
        }
        if (indent < modeIndent_) {
            return false;
        }
        std::size_t runs[MostTableColumns];
        if (SimpleTableRule(text_ + first, text_ + line.end, true, runs) != 0) {
            if (line.next >= units_ || IsBlank(LineAt(line.next))) {
                Enter(Mode::Body, 0);
            }
            return true;
        }
        // A column starts where the top rule's run does, after a blank: text
        // that runs over the boundary keeps the cells one. So each TAB takes
        // the place of a blank, and the row never grows.
        std::size_t cellBegin[MostTableColumns];
        std::size_t cellEnd[MostTableColumns];
        std::size_t cells = 0;
        std::size_t from = first;
        const std::size_t left = line.begin + tableLead_;
        for (std::size_t k = 1; k < columnCount_; ++k) {
            const std::size_t at = left + columns_[k];
            if (at >= line.end) {
                break;
            }
            if (at > from && IsBlankUnit(text_[at - 1])) {
                cellBegin[cells] = from;
                cellEnd[cells++] = at;
                from = at;
            }
        }
        cellBegin[cells] = from;
        cellEnd[cells++] = line.end;
        WriteCells(cellBegin, cellEnd, cells, line);
        return true;
    }

    // No line that shows nothing stays: the line limit counts lines of text.
    std::size_t DropBlankLines() noexcept
    {
        std::size_t out = 0;
        std::size_t at = 0;
        while (at < out_) {
            const std::size_t end =
                static_cast<std::size_t>(FindUnit(text_ + at, text_ + out_, u'\n') - text_);
            std::size_t shown = at;
            while (shown < end && IsBlankUnit(text_[shown])) {
                ++shown;
            }
            if (shown < end) {
                const std::size_t length = end - at + (end < out_ ? 1 : 0); // its LF too
                if (out != at) {
                    std::memmove(text_ + out, text_ + at, length * sizeof(char16_t));
                }
                out += length;
            }
            at = end < out_ ? end + 1 : end;
        }
        return out;
    }

    char16_t* text_;
    std::size_t units_;
    std::size_t out_ = 0;
    Line found_ = {0, 0, 0};

    RestSubstitutions substitutions_;

    bool paragraph_ = false;
    std::size_t paragraphStart_ = 0;
    std::size_t lastLineStart_ = 0;
    std::size_t paragraphIndent_ = 0;
    std::size_t paragraphFloor_ = 0; // a loose paragraph's lines stand deeper than this
    bool paragraphLoose_ = false;    // its next line sets its indent

    Mode mode_ = Mode::Body;
    std::size_t modeIndent_ = 0; // the construct owns the lines indented deeper
    bool endsAtBlank_ = false;   // ".." alone: a blank line right below ends it
    bool untilBlank_ = false;    // a target: any blank line ends it
    RestDirectiveKind directive_ = RestDirectiveKind::Content;
    bool captionSeen_ = false;

    std::size_t columns_[MostTableColumns] = {};
    std::size_t columnCount_ = 0;
    std::size_t tableLead_ = 0; // units before a simple table's rule on its line
};

} // namespace

std::size_t RestructuredTextToText(char16_t* text, std::size_t units) noexcept
{
    RestReader reader(text, units);
    return reader.Read();
}

} // namespace zandrel
