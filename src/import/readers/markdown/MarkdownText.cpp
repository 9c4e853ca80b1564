#include "import/readers/markdown/MarkdownText.h"

#include "import/readers/markdown/MarkdownCharacters.h"
#include "import/readers/markdown/MarkdownHtml.h"
#include "import/readers/markdown/MarkdownInline.h"
#include "import/readers/markdown/MarkdownLines.h"

namespace zandrel {
namespace {

using namespace markdown;

constexpr std::size_t CodeIndent = 4; // columns that make a line code
constexpr std::size_t TabStop = 4;
constexpr std::size_t AnyDepth = static_cast<std::size_t>(-1);

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

// Reads the text line by line and writes what it shows over it: the write
// position never passes the read position, so the text only shrinks. A
// paragraph's lines are gathered before its inline markup is read, because
// that may run over their breaks; headings and table rows are read alone.
class MarkdownReader {
public:
    MarkdownReader(char16_t* text, std::size_t units) noexcept : t_(text), n_(units) {}

    std::size_t Read() noexcept
    {
        std::size_t at = 0;
        while (at < n_) {
            at = ReadLine(LineAt(at));
        }
        CloseParagraph();
        return DropBlankLines();
    }

private:
    Line LineAt(std::size_t at) const noexcept
    {
        std::size_t end = at;
        while (end < n_ && t_[end] != u'\n' && t_[end] != u'\r') {
            ++end;
        }
        std::size_t next = end;
        if (next < n_) {
            next += (t_[next] == u'\r' && next + 1 < n_ && t_[next + 1] == u'\n') ? 2 : 1;
        }
        return {at, end, next};
    }

    // The columns of white space at `at`, tabs to the next stop; `first` the
    // unit after them.
    std::size_t Indent(std::size_t at, std::size_t end, std::size_t& first) const noexcept
    {
        std::size_t columns = 0;
        for (; at < end && IsSpaceOrTab(t_[at]); ++at) {
            columns = t_[at] == u'\t' ? (columns / TabStop + 1) * TabStop : columns + 1;
        }
        first = at;
        return columns;
    }

    // Past up to `columns` columns of white space.
    std::size_t SkipColumns(std::size_t at, std::size_t end, std::size_t columns) const noexcept
    {
        std::size_t skipped = 0;
        for (; at < end && IsSpaceOrTab(t_[at]) && skipped < columns; ++at) {
            skipped = t_[at] == u'\t' ? (skipped / TabStop + 1) * TabStop : skipped + 1;
        }
        return at;
    }

    // Past the block quote markers ("> ", ">>") of the line, at most `most`;
    // their number in `depth`.
    std::size_t SkipQuoteMarkers(std::size_t at, std::size_t end, std::size_t most,
                                 std::size_t& depth) const noexcept
    {
        depth = 0;
        while (depth < most) {
            std::size_t first = 0;
            if (Indent(at, end, first) >= CodeIndent || first == end || t_[first] != u'>') {
                break;
            }
            at = first + 1;
            at += (at < end && IsSpaceOrTab(t_[at])) ? 1 : 0;
            ++depth;
        }
        return at;
    }

    void Copy(std::size_t from, std::size_t to) noexcept
    {
        for (; from < to; ++from) {
            t_[w_++] = t_[from];
        }
    }

    void EndLine(const Line& line) noexcept
    {
        if (line.end < line.next) {
            t_[w_++] = u'\n';
        }
    }

    // A heading's text or a table row: its inline markup read alone.
    void WriteBlock(std::size_t from, std::size_t to, const Line& line) noexcept
    {
        const std::size_t start = w_;
        Copy(from, to);
        w_ = start + MarkdownInlineToText(t_ + start, w_ - start);
        EndLine(line);
    }

    void CloseParagraph() noexcept
    {
        if (paragraph_) {
            w_ = paragraphStart_ + MarkdownInlineToText(t_ + paragraphStart_, w_ - paragraphStart_);
            paragraph_ = false;
        }
    }

    void WriteParagraphLine(std::size_t from, const Line& line, std::size_t depth) noexcept
    {
        if (!paragraph_) {
            paragraph_ = true;
            paragraphStart_ = w_;
            paragraphDepth_ = depth;
        }
        Copy(from, line.end);
        EndLine(line);
    }

    void WriteHtml(std::size_t from, const Line& line) noexcept
    {
        w_ = static_cast<std::size_t>(html_.Write(t_ + from, t_ + line.end, t_ + w_) - t_);
        EndLine(line);
        if (htmlKind_ == HtmlBlockKind::EndsWithMarkup && html_.InText()) {
            htmlKind_ = HtmlBlockKind::None;
        }
    }

    // A table row shows its cells: the pipes at its ends go, those between stay.
    void WriteTableRow(std::size_t from, const Line& line) noexcept
    {
        std::size_t to = line.end;
        while (to > from && IsSpaceOrTab(t_[to - 1])) {
            --to;
        }
        from += (from < to && t_[from] == u'|') ? 1 : 0;
        const bool escaped = to - from >= 2 && t_[to - 2] == u'\\';
        to -= (to > from && t_[to - 1] == u'|' && !escaped) ? 1 : 0;
        WriteBlock(from, to, line);
    }

    std::size_t ReadFencedLine(const Line& line) noexcept
    {
        std::size_t depth = 0;
        const std::size_t at = SkipQuoteMarkers(line.begin, line.end, fenceDepth_, depth);
        std::size_t first = 0;
        if (Indent(at, line.end, first) < CodeIndent &&
            ClosesCodeFence(t_ + first, t_ + line.end, fenceMark_, fenceLength_)) {
            fenceMark_ = 0;
            return line.next;
        }
        Copy(SkipColumns(at, line.end, fenceIndent_), line.end);
        EndLine(line);
        return line.next;
    }

    // Whether the line below `line` is a table's delimiter row.
    bool DelimiterRowBelow(const Line& line) const noexcept
    {
        if (line.next >= n_) {
            return false;
        }
        const Line below = LineAt(line.next);
        std::size_t depth = 0;
        const std::size_t at = SkipQuoteMarkers(below.begin, below.end, AnyDepth, depth);
        std::size_t first = 0;
        return Indent(at, below.end, first) < CodeIndent &&
               IsTableDelimiterRow(t_ + first, t_ + below.end);
    }

    static bool Holds(const char16_t* begin, const char16_t* end, char16_t c) noexcept
    {
        for (; begin < end; ++begin) {
            if (*begin == c) {
                return true;
            }
        }
        return false;
    }

    // Returns where the next line starts.
    std::size_t ReadLine(const Line& line) noexcept
    {
        if (fenceMark_ != 0) {
            return ReadFencedLine(line);
        }
        std::size_t depth = 0;
        if (htmlKind_ != HtmlBlockKind::None) {
            const std::size_t at = SkipQuoteMarkers(line.begin, line.end, htmlDepth_, depth);
            std::size_t first = 0;
            Indent(at, line.end, first);
            if (first == line.end && htmlKind_ == HtmlBlockKind::EndsAtBlankLine &&
                html_.InText()) {
                htmlKind_ = HtmlBlockKind::None;
            } else {
                WriteHtml(at, line);
            }
            return line.next;
        }
        std::size_t first = 0;
        std::size_t indent = Indent(line.begin, line.end, first);
        if (first == line.end) {
            EndBlocks();
            return line.next;
        }
        if (!paragraph_ && indent >= listIndent_ + CodeIndent) {
            Copy(SkipColumns(line.begin, line.end, listIndent_ + CodeIndent), line.end);
            EndLine(line);
            return line.next;
        }
        const std::size_t at = SkipQuoteMarkers(line.begin, line.end, AnyDepth, depth);
        indent = Indent(at, line.end, first);
        if (first == line.end) {
            EndBlocks();
            return line.next;
        }
        if (depth > 0 && !paragraph_ && indent >= CodeIndent) {
            Copy(SkipColumns(at, line.end, CodeIndent), line.end);
            EndLine(line);
            return line.next;
        }
        if (paragraph_ && depth > paragraphDepth_) {
            CloseParagraph(); // a quote starts below a paragraph
        }
        if (!paragraph_ && indent < listIndent_) {
            listIndent_ = 0; // the list ended with the blank line before
        }
        const bool blockMayStart =
            (indent >= listIndent_ ? indent - listIndent_ : indent) < CodeIndent;
        if (blockMayStart && ReadBlockStart(line, first, indent, depth)) {
            return line.next;
        }
        const char16_t* const begin = t_ + first;
        const char16_t* const end = t_ + line.end;
        if (table_) {
            WriteTableRow(first, line);
            return line.next;
        }
        if (blockMayStart && Holds(begin, end, u'|') && DelimiterRowBelow(line)) {
            CloseParagraph();
            table_ = true;
            WriteTableRow(first, line);
            return LineAt(line.next).next;
        }
        WriteParagraphLine(first, line, depth);
        return line.next;
    }

    // A line that starts a block of its own, or ends one; whether it did.
    bool ReadBlockStart(const Line& line, std::size_t first, std::size_t indent,
                        std::size_t depth) noexcept
    {
        const char16_t* const begin = t_ + first;
        const char16_t* const end = t_ + line.end;
        char16_t mark = 0;
        if (const std::size_t length = CodeFenceLength(begin, end, mark)) {
            EndBlocks();
            fenceMark_ = mark;
            fenceLength_ = length;
            fenceIndent_ = indent;
            fenceDepth_ = depth;
            return true;
        }
        const char16_t* textBegin = nullptr;
        const char16_t* textEnd = nullptr;
        if (IsAtxHeading(begin, end, textBegin, textEnd)) {
            EndBlocks();
            WriteBlock(static_cast<std::size_t>(textBegin - t_),
                       static_cast<std::size_t>(textEnd - t_), line);
            return true;
        }
        if (paragraph_ && IsSetextUnderline(begin, end)) {
            CloseParagraph(); // the paragraph was a heading; its underline shows nothing
            return true;
        }
        if (IsThematicBreak(begin, end)) {
            EndBlocks();
            return true;
        }
        if (const HtmlBlockKind kind = HtmlBlockStart(begin, end, paragraph_);
            kind != HtmlBlockKind::None) {
            EndBlocks();
            htmlKind_ = kind;
            htmlDepth_ = depth;
            html_ = HtmlBlockText();
            WriteHtml(first, line);
            return true;
        }
        if (!paragraph_ && !table_ && IsReferenceDefinition(begin, end)) {
            return true;
        }
        if (const std::size_t marker = ListMarkerLength(begin, end)) {
            // The marker stays: the rendering shows a bullet or a number.
            EndBlocks();
            listIndent_ = indent + marker;
            Copy(first, first + marker);
            std::size_t text = 0;
            Indent(first + marker, line.end, text);
            if (text == line.end) {
                EndLine(line);
            } else {
                WriteParagraphLine(text, line, depth); // its text alone: the '*' is no emphasis
            }
            return true;
        }
        return false;
    }

    void EndBlocks() noexcept
    {
        CloseParagraph();
        table_ = false;
    }

    // No line that shows nothing stays: the line limit counts lines of text.
    std::size_t DropBlankLines() noexcept
    {
        std::size_t out = 0;
        std::size_t at = 0;
        while (at < w_) {
            std::size_t end = at;
            bool shows = false;
            for (; end < w_ && t_[end] != u'\n'; ++end) {
                shows = shows || !IsBlankUnit(t_[end]);
            }
            if (shows) {
                for (std::size_t k = at; k < end; ++k) {
                    t_[out++] = t_[k];
                }
                if (end < w_) {
                    t_[out++] = u'\n';
                }
            }
            at = end < w_ ? end + 1 : end;
        }
        return out;
    }

    char16_t* t_;
    std::size_t n_;
    std::size_t w_ = 0;

    bool paragraph_ = false;
    std::size_t paragraphStart_ = 0;
    std::size_t paragraphDepth_ = 0;
    bool table_ = false;
    std::size_t listIndent_ = 0; // where the open list item's text starts; 0 outside lists

    char16_t fenceMark_ = 0; // inside a fenced code block
    std::size_t fenceLength_ = 0;
    std::size_t fenceIndent_ = 0;
    std::size_t fenceDepth_ = 0;

    HtmlBlockKind htmlKind_ = HtmlBlockKind::None;
    HtmlBlockText html_;
    std::size_t htmlDepth_ = 0;
};

} // namespace

std::size_t MarkdownToText(char16_t* text, std::size_t units) noexcept
{
    MarkdownReader reader(text, units);
    return reader.Read();
}

} // namespace zandrel
