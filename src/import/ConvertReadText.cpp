#include "import/ConvertReadText.h"

#include <optional>

#include "import/ChooseTextReader.h"
#include "import/encoding/TextEncoding.h"
#include "import/encoding/WideText.h"
#include "import/readers/html/HtmlCodePage.h"
#include "import/readers/html/HtmlText.h"
#include "import/readers/markdown/MarkdownText.h"
#include "import/readers/rst/RestructuredText.h"
#include "import/readers/rtf/RichText.h"

namespace zandrel {
namespace {

// The encoding, with the charset that the text names for itself where its
// reader knows how. Out of line, so that what it needs stays out of the frame
// that the plain road keeps while it chooses the reader.
[[gnu::noinline]] TextEncoding EncodingFor(TextReader reader, const char* bytes,
                                           std::size_t count, const char* name) noexcept
{
    std::optional<TextCodePage> declared;
    if (TextCodePage codePage = TextCodePage::Ansi;
        reader == TextReader::Html && FindDeclaredCodePage(bytes, count, codePage)) {
        declared = codePage;
    }
    return DecideTextEncoding(bytes, count, name, ReaderInputOf(reader), declared);
}

// The one trip through wide text. Kept out of line: its wide buffer would
// otherwise sit in the frame of every import, plain texts included.
[[gnu::noinline]] void ConvertThroughWideText(ReadBuffer& text, std::size_t bytesRead,
                                              TextEncoding encoding,
                                              TextReader reader) noexcept
{
    WideTextBuffer wide; // written up to the count the decoding or the reader gives
    std::size_t units = DecodeToWide(text, bytesRead, encoding, wide);
    if (units == 0 && encoding.kind == TextEncoding::Kind::Oem) {
        return; // nothing to convert, or the platform refused: the text as read
    }
    // One row a reader. A reader of wide text works in place on the decoded
    // text; one that takes the bytes (ReaderInput::Bytes, whose encoding is
    // ReaderDecodes) writes the wide text from `text` and `bytesRead` itself.
    switch (reader) {
    case TextReader::AsRead:
        break;
    case TextReader::Html:
        units = HtmlToText(wide.data(), units);
        break;
    case TextReader::Markdown:
        units = MarkdownToText(wide.data(), units);
        break;
    case TextReader::RestructuredText:
        units = RestructuredTextToText(wide.data(), units);
        break;
    case TextReader::RichText:
        units = RichTextToWide(text.data(), bytesRead, wide.data(), wide.size());
        break;
    }
    const Unmappable unmappable = encoding.kind == TextEncoding::Kind::Oem
                                      ? Unmappable::LookAlike
                                      : Unmappable::DefaultCharacter;
    EncodeToAnsi(text, wide.data(), units, unmappable);
}

} // namespace

void ConvertReadText(ReadBuffer& text, std::size_t bytesRead, const char* name) noexcept
{
    const TextReader reader = ChooseTextReader(name, text.data(), bytesRead);
    const TextEncoding encoding = EncodingFor(reader, text.data(), bytesRead, name);
    if (encoding.kind == TextEncoding::Kind::AsRead && reader == TextReader::AsRead) {
        return; // the plain road: no wide text
    }
    ConvertThroughWideText(text, bytesRead, encoding, reader);
}

} // namespace zandrel
