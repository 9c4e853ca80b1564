#include "import/ChooseTextReader.h"

#include <string_view>

#include "import/NameEnding.h"
#include "import/encoding/ByteOrderMark.h"
#include "import/readers/shared/MarkupCharacters.h"

namespace zandrel {
namespace {

using namespace std::string_view_literals;

constexpr std::string_view HtmlEndings[] = {".HTM"sv, ".HTML"sv, ".XHTML"sv, ".SHTML"sv};
constexpr std::string_view MarkdownEndings[] = {".MD"sv, ".MARKDOWN"sv, ".MDOWN"sv, ".MKD"sv};
constexpr std::string_view RestructuredTextEndings[] = {".RST"sv, ".REST"sv};

template <std::size_t Count>
bool EndsWithOneOf(std::string_view name, const std::string_view (&endings)[Count]) noexcept
{
    for (const std::string_view ending : endings) {
        if (NameEndsWith(name, ending)) {
            return true;
        }
    }
    return false;
}

// The ASCII characters at the start of the text, whatever its mark: a
// character past ASCII reads as 0xFF, the end of the bytes as 0.
class StartOfText {
public:
    StartOfText(const unsigned char* bytes, std::size_t count) noexcept
    {
        const ByteOrderMark mark = ByteOrderMarkAt(bytes, count);
        begin_ = ByteOrderMarkLength(mark);
        if (mark == ByteOrderMark::Utf16LittleEndian || mark == ByteOrderMark::Utf16BigEndian) {
            width_ = 2;
            high_ = mark == ByteOrderMark::Utf16LittleEndian ? 1 : 0;
        }
        bytes_ = bytes;
        count_ = count;
    }

    [[nodiscard]] unsigned char At(std::size_t index) const noexcept
    {
        const std::size_t at = begin_ + index * width_;
        if (at + width_ > count_) {
            return 0;
        }
        if (width_ == 2 && bytes_[at + high_] != 0) {
            return 0xFF;
        }
        const unsigned char c = bytes_[at + (width_ == 2 ? 1 - high_ : 0)];
        return c < 0x80 ? c : 0xFF;
    }

private:
    const unsigned char* bytes_ = nullptr;
    std::size_t count_ = 0;
    std::size_t begin_ = 0;
    std::size_t width_ = 1;
    std::size_t high_ = 0;
};

// Whether `word`, in small letters, stands at `index`, followed by white space,
// '>' or, for a tag, '/'.
bool WordAt(const StartOfText& text, std::size_t index, std::string_view word) noexcept
{
    for (const char w : word) {
        if (AsciiLower(text.At(index++)) != static_cast<unsigned char>(w)) {
            return false;
        }
    }
    const unsigned char after = text.At(index);
    return IsHtmlSpace(after) || after == '>' || after == '/';
}

bool StartsLikeHtml(const char* bytes, std::size_t count) noexcept
{
    const StartOfText text(reinterpret_cast<const unsigned char*>(bytes), count);
    std::size_t index = 0;
    while (IsHtmlSpace(text.At(index))) {
        ++index;
    }
    return WordAt(text, index, "<!doctype html"sv) || WordAt(text, index, "<html"sv);
}

} // namespace

TextReader ChooseTextReader(const char* name, const char* bytes, std::size_t count) noexcept
{
    if (std::string_view(bytes, count).starts_with("{\\rtf"sv)) {
        return TextReader::RichText;
    }
    const std::string_view text(name);
    if (EndsWithOneOf(text, HtmlEndings) || StartsLikeHtml(bytes, count)) {
        return TextReader::Html;
    }
    if (EndsWithOneOf(text, MarkdownEndings)) {
        return TextReader::Markdown;
    }
    return EndsWithOneOf(text, RestructuredTextEndings) ? TextReader::RestructuredText
                                                        : TextReader::AsRead;
}

} // namespace zandrel
