#include "import/readers/rtf/RichText.h"

#include <cstdint>
#include <string_view>

#include "import/readers/rtf/RichTextCodePages.h"
#include "import/readers/rtf/RichTextControlWords.h"
#include "import/readers/shared/MarkupCharacters.h"
#include "platform/CodePageConversion.h"

namespace zandrel {
namespace {

// Groups nested deeper than this are read with the state of the deepest one
// kept: what they change lasts only until their end.
constexpr std::size_t GroupCapacity = 32;
// A font defined after this many writes in the document's code page.
constexpr std::size_t FontCapacity = 48;
// The bytes of one code page converted together, so that pairs stay whole.
constexpr std::size_t RunCapacity = 64;
// The code page of a group that names no font: the default font's (\deff).
constexpr std::uint16_t DefaultFontCodePage = 0xFFFF;

enum GroupFlag : std::uint8_t {
    SkippedGroup = 1, // a destination that shows nothing
    HiddenText = 2,   // \v
    DefinesFonts = 4, // the font table: \f and \fcharset define fonts
};

// What a group sets for its text and the groups inside it; four bytes.
struct GroupState {
    std::uint16_t codePage = DefaultFontCodePage; // 0: the document's
    std::uint8_t fallbackCount = 1;               // \ucN: characters after a \uN
    std::uint8_t flags = 0;
};

struct Font {
    std::int32_t number;
    std::uint16_t codePage; // 0: the document's
};

struct Parameter {
    bool given;
    long value;
};

constexpr int HexValue(unsigned char c) noexcept
{
    if (IsAsciiDigit(c)) {
        return c - '0';
    }
    c = static_cast<unsigned char>(c | 0x20);
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// Text that goes out as it is: printable ASCII but the three that RTF escapes.
constexpr bool IsPlainText(unsigned char c) noexcept
{
    return c >= 0x20 && c < 0x7F && c != '\\' && c != '{' && c != '}';
}

constexpr bool IsGroupOrControl(unsigned char c) noexcept
{
    return c == '\\' || c == '{' || c == '}';
}

constexpr bool IsBlank(char16_t c) noexcept
{
    return c == u' ' || c == u'\t';
}

// One pass over the bytes. The output position never passes the input's:
// every character shown takes at least one byte, and a line break one more
// (the control word that asked for it).
class RichTextReader {
public:
    RichTextReader(const char* bytes, std::size_t count, char16_t* wide,
                   std::size_t capacity) noexcept
        : at_(reinterpret_cast<const unsigned char*>(bytes)), end_(at_ + count), wide_(wide),
          capacity_(capacity)
    {
    }

    std::size_t Read() noexcept
    {
        while (at_ < end_) {
            const unsigned char c = *at_;
            if (c == '{') {
                ++at_;
                OpenGroup();
            } else if (c == '}') {
                ++at_;
                if (CloseGroup()) {
                    break; // the document's end
                }
            } else if (c == '\\') {
                ReadControl();
            } else if (c == '\r' || c == '\n') {
                ++at_;
            } else {
                ReadText();
            }
        }
        Flush(false);
        EndLine();
        return out_;
    }

private:
    [[nodiscard]] bool Shows() const noexcept
    {
        return (group_.flags & (SkippedGroup | HiddenText)) == 0;
    }

    // Puts one character out: no control character but TAB, no blank at the
    // start of a line, the line break before the first character after it.
    void Put(char16_t unit) noexcept
    {
        // U+FFFC holds a picture's place.
        if (unit < 0x20 ? unit != u'\t' : ((unit >= 0x7F && unit <= 0x9F) || unit == 0xFFFC)) {
            return;
        }
        if ((IsBlank(unit) && !lineShows_) || full_) {
            return;
        }
        if (capacity_ - out_ < (breakPending_ ? 2u : 1u)) {
            full_ = true; // what follows would not be the text's start
            return;
        }
        if (breakPending_) {
            wide_[out_++] = u'\n';
            lineStart_ = out_;
            breakPending_ = false;
        }
        wide_[out_++] = unit;
        lineShows_ = true;
    }

    // Printable ASCII, as Put would put it one by one.
    void PutPlainText(const unsigned char* from, const unsigned char* to) noexcept
    {
        while (from < to && !lineShows_) {
            Put(*from++);
        }
        if (from == to || full_) {
            return;
        }
        auto count = static_cast<std::size_t>(to - from);
        if (count > capacity_ - out_) {
            count = capacity_ - out_;
            full_ = true;
        }
        for (std::size_t i = 0; i < count; ++i) {
            wide_[out_ + i] = from[i];
        }
        out_ += count;
    }

    void EndLine() noexcept
    {
        while (out_ > lineStart_ && IsBlank(wide_[out_ - 1])) {
            --out_;
        }
        if (lineShows_) {
            breakPending_ = true;
            lineShows_ = false;
        }
    }

    // Converts the bytes collected; a lead byte last keeps for its trail
    // where `keepLead` says so, else it goes, its character cut.
    void Flush(bool keepLead) noexcept
    {
        if (runLength_ == 0) {
            return;
        }
        const std::size_t length = leadPending_ ? runLength_ - 1 : runLength_;
        char16_t units[RunCapacity];
        std::size_t count = NumberedCodePageToWide(
            codePage_, reinterpret_cast<const char*>(run_), length, units, RunCapacity);
        count = count < length ? count : length;
        for (std::size_t i = 0; i < count; ++i) {
            Put(units[i]);
        }
        if (keepLead && leadPending_) {
            run_[0] = run_[length];
            runLength_ = 1;
        } else {
            runLength_ = 0;
            leadPending_ = false;
        }
    }

    // One byte of text, from the file or a \'hh, in the current font.
    void TextByte(unsigned char byte) noexcept
    {
        if (fallbackLeft_ > 0) {
            --fallbackLeft_;
            return;
        }
        if (!Shows()) {
            return;
        }
        if (codePage_ == SymbolCodePage) {
            Put(SymbolCharacter(byte));
            return;
        }
        if (byte < 0x80 && !leadPending_) {
            Flush(false);
            Put(byte);
            return;
        }
        if (runLength_ == RunCapacity) {
            Flush(true);
        }
        run_[runLength_++] = byte;
        leadPending_ = !leadPending_ && IsLeadByte(codePage_, byte);
    }

    void ReadText() noexcept
    {
        if ((group_.flags & SkippedGroup) != 0) {
            while (at_ < end_ && !IsGroupOrControl(*at_)) {
                ++at_;
            }
            return;
        }
        if (fallbackLeft_ == 0 && Shows() && runLength_ == 0 && codePage_ != SymbolCodePage) {
            const unsigned char* const from = at_;
            while (at_ < end_ && IsPlainText(*at_)) {
                ++at_;
            }
            if (at_ != from) {
                PutPlainText(from, at_);
                return;
            }
        }
        TextByte(*at_++);
    }

    void OpenGroup() noexcept
    {
        Flush(false);
        fallbackLeft_ = 0;
        starred_ = false;
        if (depth_ <= GroupCapacity) {
            saved_[depth_] = group_;
        }
        ++depth_;
    }

    // Whether the group closed was the outermost: the document ends with it.
    bool CloseGroup() noexcept
    {
        if (depth_ == 0) {
            return false; // a brace too many
        }
        Flush(false);
        fallbackLeft_ = 0;
        starred_ = false;
        --depth_;
        group_ = saved_[depth_ < GroupCapacity ? depth_ : GroupCapacity];
        UpdateCodePage();
        return depth_ == 0;
    }

    void UpdateCodePage() noexcept
    {
        const unsigned font =
            group_.codePage == DefaultFontCodePage ? defaultFontCodePage_ : group_.codePage;
        codePage_ = font != 0 ? font : documentCodePage_;
    }

    [[nodiscard]] std::uint16_t CodePageOfFont(long number) const noexcept
    {
        for (std::size_t i = 0; i < fontCount_; ++i) {
            if (fonts_[i].number == number) {
                return fonts_[i].codePage;
            }
        }
        return 0;
    }

    void DefineFont(long number) noexcept
    {
        defining_ = fontCount_ < FontCapacity;
        if (defining_) {
            fonts_[fontCount_++] = {static_cast<std::int32_t>(number), 0};
        }
    }

    void SetDefinedCodePage(unsigned codePage) noexcept
    {
        if (!defining_ || codePage > 0xFFFE) {
            return;
        }
        Font& font = fonts_[fontCount_ - 1];
        font.codePage = static_cast<std::uint16_t>(codePage);
        if (font.number == defaultFont_) {
            defaultFontCodePage_ = font.codePage;
        }
    }

    // A \'hh: two hex digits make a byte of text; the read may have cut it.
    void ReadHexByte() noexcept
    {
        if (end_ - at_ < 4) {
            at_ = end_;
            return;
        }
        const int high = HexValue(at_[2]);
        const int low = HexValue(at_[3]);
        if (high < 0 || low < 0) {
            at_ += 2; // no byte: what follows is text
            return;
        }
        at_ += 4;
        TextByte(static_cast<unsigned char>(high * 16 + low));
    }

    void ReadControl() noexcept
    {
        const unsigned char* p = at_ + 1;
        if (p == end_) {
            at_ = end_;
            return;
        }
        if (IsAsciiLetter(*p)) {
            ReadWord(p);
        } else if (*p == '\'') {
            ReadHexByte();
        } else {
            at_ = p + 1;
            ControlSymbol(*p);
        }
    }

    // A word, its number and the space that may end it; a word the read cut
    // off (its number might go on) does nothing.
    void ReadWord(const unsigned char* p) noexcept
    {
        const unsigned char* const name = p;
        while (p < end_ && IsAsciiLetter(*p)) {
            ++p;
        }
        const std::string_view word(reinterpret_cast<const char*>(name),
                                    static_cast<std::size_t>(p - name));
        const bool negative = p + 1 < end_ && *p == '-' && IsAsciiDigit(p[1]);
        p += negative ? 1 : 0;
        Parameter parameter{false, 0};
        while (p < end_ && IsAsciiDigit(*p)) {
            parameter.given = true;
            parameter.value = parameter.value < 100'000'000 ? parameter.value * 10 + (*p - '0')
                                                            : 1'000'000'000;
            ++p;
        }
        if (p == end_ || (*p == '-' && p + 1 == end_)) {
            at_ = end_;
            return;
        }
        at_ = *p == ' ' ? p + 1 : p;
        parameter.value = negative ? -parameter.value : parameter.value;
        Flush(false);
        Act(FindControlWord(word), parameter);
    }

    void Act(ControlWord word, Parameter parameter) noexcept
    {
        using enum ControlAction;
        if (word.action == Binary) {
            const auto left = static_cast<std::size_t>(end_ - at_);
            const auto skip = parameter.value > 0 ? static_cast<std::size_t>(parameter.value) : 0;
            at_ += skip < left ? skip : left;
            return;
        }
        if (starred_) {
            starred_ = false; // {\*\word: a destination to skip unless known
            group_.flags |= SkippedGroup;
        }
        if (fallbackLeft_ > 0) {
            --fallbackLeft_;
            return;
        }
        const bool inFontTable = (group_.flags & DefinesFonts) != 0;
        const long value = parameter.value;
        switch (word.action) {
        case SkipGroup:
            group_.flags |= SkippedGroup;
            break;
        case FontTable:
            group_.flags |= SkippedGroup | DefinesFonts;
            break;
        case Font:
            if (parameter.given && inFontTable) {
                DefineFont(value);
            } else if (parameter.given) {
                group_.codePage = CodePageOfFont(value);
                UpdateCodePage();
            }
            break;
        case FontCharset:
            if (inFontTable) {
                SetDefinedCodePage(CodePageOfCharset(value));
            }
            break;
        case FontCodePage:
            if (inFontTable && value > 0) {
                SetDefinedCodePage(static_cast<unsigned>(value));
            }
            break;
        case DefaultFont:
            defaultFont_ = value;
            defaultFontCodePage_ = CodePageOfFont(value);
            UpdateCodePage();
            break;
        case DocumentCodePage:
            if (word.value != 0 || (value > 0 && value < 0xFFFF)) {
                documentCodePage_ = word.value != 0 ? word.value : static_cast<unsigned>(value);
                UpdateCodePage();
            }
            break;
        case Character:
            if (Shows()) {
                Put(word.value);
            }
            break;
        case LineEnd:
            if (Shows()) {
                EndLine();
            }
            break;
        case Hidden:
            group_.flags = static_cast<std::uint8_t>((!parameter.given || value != 0)
                                                         ? (group_.flags | HiddenText)
                                                         : (group_.flags & ~HiddenText));
            break;
        case Plain:
            group_.flags = static_cast<std::uint8_t>(group_.flags & ~HiddenText);
            group_.codePage = DefaultFontCodePage;
            UpdateCodePage();
            break;
        case Unicode:
            if (parameter.given && value >= -0x8000 && value <= 0xFFFF) {
                const auto unit = static_cast<char16_t>(value < 0 ? value + 0x10000 : value);
                if (Shows()) {
                    // A symbol font's glyph by its private-use code.
                    Put(unit >= 0xF000 && unit <= 0xF0FF
                            ? SymbolCharacter(static_cast<unsigned char>(unit))
                            : unit);
                }
                fallbackLeft_ = group_.fallbackCount;
            }
            break;
        case UnicodeSkip:
            if (parameter.given) {
                group_.fallbackCount =
                    static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
            }
            break;
        case None:
        case Binary:
            break;
        }
    }

    void ControlSymbol(unsigned char symbol) noexcept
    {
        if (symbol == '\\' || symbol == '{' || symbol == '}') {
            TextByte(symbol);
            return;
        }
        if (symbol == '*') {
            starred_ = true;
            return;
        }
        Flush(false);
        if (fallbackLeft_ > 0) {
            --fallbackLeft_;
            return;
        }
        if (!Shows()) {
            return;
        }
        if (symbol == '~') {
            Put(0x00A0);
        } else if (symbol == '_') {
            Put(u'-');
        } else if (symbol == '\r' || symbol == '\n') {
            EndLine(); // a backslash before the line break ends a paragraph
        }
        // \- (an optional hyphen), \: and \| show nothing, nor does any other.
    }

    const unsigned char* at_;
    const unsigned char* const end_;
    char16_t* const wide_;
    const std::size_t capacity_;
    std::size_t out_ = 0;
    std::size_t lineStart_ = 0;
    bool lineShows_ = false;
    bool breakPending_ = false;
    bool full_ = false;

    GroupState group_;
    GroupState saved_[GroupCapacity + 1]; // each open group's enclosing state
    std::size_t depth_ = 0;
    bool starred_ = false;
    std::uint8_t fallbackLeft_ = 0;

    Font fonts_[FontCapacity];
    std::size_t fontCount_ = 0;
    bool defining_ = false;
    long defaultFont_ = -1;
    unsigned defaultFontCodePage_ = 0;
    unsigned documentCodePage_ = 1252;
    unsigned codePage_ = 1252;

    unsigned char run_[RunCapacity];
    std::size_t runLength_ = 0;
    bool leadPending_ = false;
};

} // namespace

std::size_t RichTextToWide(const char* bytes, std::size_t count, char16_t* wide,
                           std::size_t capacity) noexcept
{
    RichTextReader reader(bytes, count, wide, capacity);
    return reader.Read();
}

} // namespace zandrel
