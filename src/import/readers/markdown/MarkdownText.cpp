#include "import/readers/markdown/MarkdownText.h"

#include <cstring>

#include "import/readers/markdown/MarkdownCharacters.h"
#include "import/readers/markdown/MarkdownHtml.h"
#include "import/readers/markdown/MarkdownInline.h"
#include "import/readers/markdown/MarkdownLineKind.h"
#include "import/readers/markdown/MarkdownLines.h"
#include "import/readers/markdown/MarkdownLinkLabels.h"
#include "import/readers/markdown/MarkdownScan.h"

namespace zandrel {
namespace {

using namespace markdown;

// Blanks that leave a line empty on the screen.
bool IsBlankUnit(char16_t c) noexcept
{
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f' || c == 0x1A || c == 0xA0;
}

// The block that the lines read so far leave open. List items and block
// quotes hold blocks; they are no blocks of their own here.
enum class OpenBlock { None, Paragraph, Table, Fence, HtmlBlock };

// Reads the text line by line and writes what it shows over it: the write
// position never passes the read position, so the text only shrinks. A
// paragraph's lines are gathered before its inline markup is read, because
// that may run over their breaks; headings and table rows are read alone.
class MarkdownReader {
public:
    MarkdownReader(char16_t* text, std::size_t units) noexcept
        : text_(text), units_(units), labels_(text, units)
    {
    }

    std::size_t Read() noexcept
    {
        const char16_t* const end = text_ + units_;
        const char16_t* at = text_;
        while (at < end) {
            switch (open_) {
            case OpenBlock::Fence:
                at = ReadFencedLine(Pass(LineAt(at, end)));
                break;
            case OpenBlock::HtmlBlock:
                at = ReadHtmlLine(Pass(LineAt(at, end)));
                break;
            case OpenBlock::None:
            case OpenBlock::Paragraph:
            case OpenBlock::Table:
                at = ReadLine(Pass(AnalyseLine(at, end, Context())));
                break;
            }
        }
        CloseParagraph();
        return DropBlankLines();
    }

private:
    struct Fence {
        char16_t mark = 0;
        std::size_t length = 0;
        std::size_t indent = 0; // columns that its lines lose
        std::size_t depth = 0;  // its quote depth
    };

    struct HtmlBlock {
        HtmlBlockKind kind = HtmlBlockKind::None;
        RawTextElement rawText = RawTextElement::None; // which ends at its closing tag
        std::size_t depth = 0;
        HtmlBlockText text;
    };

    // The lines go to the label scan before anything is written over them.
    const Line& Pass(const Line& line) noexcept
    {
        labels_.Pass(line);
        return line;
    }

    const LineAnalysis& Pass(const LineAnalysis& a) noexcept
    {
        labels_.Pass(a.line);
        if (a.next != a.line.next) { // a table's delimiter row too
            labels_.Pass(LineAt(a.line.next, text_ + units_));
        }
        return a;
    }

    LineContext Context() const noexcept
    {
        return {open_ == OpenBlock::Paragraph, paragraphDepth_, open_ == OpenBlock::Table,
                listIndent_};
    }

    void Copy(const char16_t* from, const char16_t* to) noexcept
    {
        const auto units = static_cast<std::size_t>(to - from);
        if (text_ + out_ != from) {
            std::memmove(text_ + out_, from, units * sizeof(char16_t));
        }
        out_ += units;
    }

    void EndLine(const Line& line) noexcept
    {
        if (line.end < line.next) {
            text_[out_++] = u'\n';
        }
    }

    // A heading's text or a table row: its inline markup read alone.
    void WriteBlock(const char16_t* from, const char16_t* to, const Line& line) noexcept
    {
        const std::size_t start = out_;
        Copy(from, to);
        out_ = start + MarkdownInlineToText(text_ + start, out_ - start, labels_);
        EndLine(line);
    }

    void CloseParagraph() noexcept
    {
        if (open_ == OpenBlock::Paragraph) {
            out_ = paragraphStart_ +
                   MarkdownInlineToText(text_ + paragraphStart_, out_ - paragraphStart_, labels_);
            open_ = OpenBlock::None;
        }
    }

    void EndBlocks() noexcept
    {
        CloseParagraph();
        open_ = OpenBlock::None;
    }

    void WriteParagraphLine(const char16_t* from, const Line& line, std::size_t depth) noexcept
    {
        if (open_ != OpenBlock::Paragraph) {
            open_ = OpenBlock::Paragraph;
            paragraphStart_ = out_;
            paragraphDepth_ = depth;
        }
        Copy(from, line.end);
        EndLine(line);
    }

    // A table row shows its cells: the pipes at its ends go, those between stay.
    void WriteTableRow(const char16_t* from, const Line& line) noexcept
    {
        const char16_t* to = line.end;
        while (to > from && IsSpaceOrTab(to[-1])) {
            --to;
        }
        from += (from < to && *from == u'|') ? 1 : 0;
        const bool escaped = to - from >= 2 && to[-2] == u'\\';
        to -= (to > from && to[-1] == u'|' && !escaped) ? 1 : 0;
        WriteBlock(from, to, line);
    }

    const char16_t* ReadFencedLine(const Line& line) noexcept
    {
        std::size_t depth = 0;
        const char16_t* const at = SkipQuoteMarkers(line.begin, line.end, fence_.depth, depth);
        const char16_t* first = nullptr;
        if (Indent(at, line.end, first) < CodeIndent &&
            ClosesCodeFence(first, line.end, fence_.mark, fence_.length)) {
            open_ = OpenBlock::None;
            return line.next;
        }
        Copy(SkipColumns(at, line.end, fence_.indent), line.end);
        EndLine(line);
        return line.next;
    }

    void StartHtml(const LineAnalysis& a) noexcept
    {
        open_ = OpenBlock::HtmlBlock;
        html_ = {a.htmlKind, a.rawText, a.quoteDepth, HtmlBlockText()};
        if (a.rawText != RawTextElement::None) {
            WriteRawTextLine(a.content, a.line);
        } else {
            WriteHtmlLine(a.content, a.line);
        }
    }

    const char16_t* ReadHtmlLine(const Line& line) noexcept
    {
        std::size_t depth = 0;
        const char16_t* const at = SkipQuoteMarkers(line.begin, line.end, html_.depth, depth);
        if (html_.rawText != RawTextElement::None) {
            WriteRawTextLine(at, line);
            return line.next;
        }
        const char16_t* first = nullptr;
        Indent(at, line.end, first);
        if (first == line.end && html_.kind == HtmlBlockKind::EndsAtBlankLine &&
            html_.text.InText()) {
            open_ = OpenBlock::None;
        } else {
            WriteHtmlLine(at, line);
        }
        return line.next;
    }

    // A line of <script>, <style>, <pre> or <textarea>: the block ends with
    // the line that closes it. A script or a style shows nothing, but what
    // follows its closing tag on that line does; preformatted text shows.
    void WriteRawTextLine(const char16_t* from, const Line& line) noexcept
    {
        const char16_t* const past = PastRawTextEnd(from, line.end);
        if (html_.rawText == RawTextElement::Pre || html_.rawText == RawTextElement::Textarea) {
            WriteHtmlText(from, line);
        } else if (past != nullptr) {
            html_.text = HtmlBlockText();
            WriteHtmlText(past, line);
        }
        if (past != nullptr) {
            open_ = OpenBlock::None;
        }
    }

    void WriteHtmlText(const char16_t* from, const Line& line) noexcept
    {
        out_ = static_cast<std::size_t>(html_.text.Write(from, line.end, text_ + out_) - text_);
        EndLine(line);
    }

    void WriteHtmlLine(const char16_t* from, const Line& line) noexcept
    {
        WriteHtmlText(from, line);
        if (html_.kind == HtmlBlockKind::EndsWithMarkup && html_.text.InText()) {
            open_ = OpenBlock::None;
        }
    }

    // Returns where the next line starts.
    const char16_t* ReadLine(const LineAnalysis& a) noexcept
    {
        if (a.kind != LineKind::Blank && a.kind != LineKind::IndentedCode) {
            if (open_ == OpenBlock::Paragraph && a.quoteDepth > paragraphDepth_) {
                CloseParagraph(); // a quote starts below a paragraph
            }
            if (open_ != OpenBlock::Paragraph && a.indent < listIndent_) {
                listIndent_ = 0; // the list ended with the blank line before
            }
        }
        switch (a.kind) {
        case LineKind::Blank:
        case LineKind::ThematicBreak:
            EndBlocks();
            break;
        case LineKind::IndentedCode:
            Copy(a.content, a.contentEnd);
            EndLine(a.line);
            break;
        case LineKind::Fence:
            EndBlocks();
            open_ = OpenBlock::Fence;
            fence_ = {a.fenceMark, a.fenceLength, a.indent, a.quoteDepth};
            break;
        case LineKind::Heading:
            EndBlocks();
            WriteBlock(a.content, a.contentEnd, a.line);
            break;
        case LineKind::SetextUnderline:
            CloseParagraph(); // the paragraph was a heading; its underline shows nothing
            break;
        case LineKind::HtmlBlockStart:
            EndBlocks();
            StartHtml(a);
            break;
        case LineKind::ReferenceDefinition:
            break;
        case LineKind::ListItem:
            // The marker stays: the rendering shows a bullet or a number.
            EndBlocks();
            listIndent_ = a.indent + a.listMarkerLength;
            Copy(a.listMarker, a.listMarker + a.listMarkerLength);
            if (a.content == a.contentEnd) {
                EndLine(a.line);
            } else {
                WriteParagraphLine(a.content, a.line, a.quoteDepth); // the '*' is no emphasis
            }
            break;
        case LineKind::TableHeader:
            CloseParagraph();
            open_ = OpenBlock::Table;
            WriteTableRow(a.content, a.line);
            break;
        case LineKind::TableRow:
            WriteTableRow(a.content, a.line);
            break;
        case LineKind::ParagraphText:
            WriteParagraphLine(a.content, a.line, a.quoteDepth);
            break;
        }
        return a.next;
    }

    // No line that shows nothing stays: the line limit counts lines of text.
    std::size_t DropBlankLines() noexcept
    {
        const char16_t* const end = text_ + out_;
        std::size_t kept = 0;
        std::size_t at = 0;
        while (at < out_) {
            const auto lineEnd = static_cast<std::size_t>(FindUnit(text_ + at, end, u'\n') - text_);
            bool shows = false;
            for (std::size_t k = at; k < lineEnd && !shows; ++k) {
                shows = !IsBlankUnit(text_[k]);
            }
            if (shows) {
                const std::size_t units = lineEnd - at + (lineEnd < out_ ? 1 : 0); // with its LF
                if (kept != at) {
                    std::memmove(text_ + kept, text_ + at, units * sizeof(char16_t));
                }
                kept += units;
            }
            at = lineEnd < out_ ? lineEnd + 1 : lineEnd;
        }
        return kept;
    }

    char16_t* const text_;
    const std::size_t units_;
    std::size_t out_ = 0; // the end of what the reader wrote

    OpenBlock open_ = OpenBlock::None;
    std::size_t paragraphStart_ = 0;
    std::size_t paragraphDepth_ = 0;
    std::size_t listIndent_ = 0; // where the open list item's text starts; 0 outside lists
    Fence fence_;
    HtmlBlock html_;
    LinkLabelScan labels_;
};

} // namespace

std::size_t MarkdownToText(char16_t* text, std::size_t units) noexcept
{
    MarkdownReader reader(text, units);
    return reader.Read();
}

} // namespace zandrel
