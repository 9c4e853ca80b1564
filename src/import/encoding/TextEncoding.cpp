#include "import/encoding/TextEncoding.h"

#include "import/NameEnding.h"
#include "import/encoding/ByteOrderMark.h"
#include "import/encoding/Utf8WellFormed.h"

namespace zandrel {
namespace {

using Kind = TextEncoding::Kind;

TextEncoding Marked(ByteOrderMark mark) noexcept
{
    const Kind kind = mark == ByteOrderMark::Utf8               ? Kind::Utf8
                      : mark == ByteOrderMark::Utf16BigEndian ? Kind::Utf16BigEndian
                                                                : Kind::Utf16LittleEndian;
    return {kind, static_cast<unsigned char>(ByteOrderMarkLength(mark))};
}

TextEncoding InCodePage(TextCodePage codePage) noexcept
{
    if (codePage == TextCodePage::Utf8) {
        return {Kind::Utf8};
    }
    return {Kind::CodePage, 0, codePage};
}

} // namespace

bool NamesOemText(const char* name) noexcept
{
    return NameEndsWith(name, ".DIZ") || NameEndsWith(name, ".NFO");
}

TextEncoding DecideTextEncoding(const char* bytes, std::size_t count, const char* name,
                                ReaderInput input, std::optional<TextCodePage> declared) noexcept
{
    if (input == ReaderInput::Bytes) {
        return {Kind::ReaderDecodes};
    }
    if (const ByteOrderMark mark =
            ByteOrderMarkAt(reinterpret_cast<const unsigned char*>(bytes), count);
        mark != ByteOrderMark::None) {
        return Marked(mark);
    }
    if (declared.has_value()) {
        return InCodePage(*declared);
    }
    const bool wide = input == ReaderInput::WideText;
    if (HoldsWellFormedUtf8(bytes, count)) {
        return wide || !AnsiCodePageIsUtf8() ? TextEncoding{Kind::Utf8} : TextEncoding{};
    }
    if (wide) {
        return InCodePage(TextCodePage::Ansi);
    }
    if (NamesOemText(name) && !OemCodePageIsAnsi()) {
        return {Kind::Oem};
    }
    return {};
}

} // namespace zandrel
