// The web page reader over fuzzed wide text, in a heap block of exactly its
// units, so that AddressSanitizer reports any read or write past the count;
// and the <meta> search over the same bytes. Bit 0 of the first byte: the
// units are the byte pairs that follow (little-endian), else one per byte.
// Invariants: the text is never longer than the page; for a page without '&'
// (so without character references), no '<' followed by a letter, '/', '!' or
// '?' is left unless the page wrote "<<" (the first '<' is text); and the
// characters other than white space are those the restatement shows, in
// order, but for one heading that repeated the title, for every page whose
// named references are among the restatement's few.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "FuzzInput.h"
#include "ReferenceHtmlText.h"
#include "import/readers/html/HtmlCodePage.h"
#include "import/readers/html/HtmlText.h"

namespace {

using namespace zandrel;

std::u16string UnitsOf(const std::uint8_t* data, std::size_t size, bool pairs)
{
    std::u16string units;
    if (pairs) {
        for (std::size_t i = 0; i + 1 < size; i += 2) {
            units += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
        }
    } else {
        for (std::size_t i = 0; i < size; ++i) {
            units += static_cast<char16_t>(data[i]);
        }
    }
    return units;
}

bool HoldsTagStart(const std::u16string& text)
{
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        const char16_t next = text[i + 1];
        if (text[i] == u'<' &&
            (reference::detail::IsLetter(next) || next == u'/' || next == u'!' || next == u'?')) {
            return true;
        }
    }
    return false;
}

// Whether `shown` is `text` with `title` put in once, somewhere.
bool IsWithOneMore(const std::u16string& shown, const std::u16string& text,
                   const std::u16string& title)
{
    if (shown.size() != text.size() + title.size()) {
        return false;
    }
    for (std::size_t at = 0; at <= text.size(); ++at) {
        if (shown.compare(0, at, text, 0, at) == 0 && shown.compare(at, title.size(), title) == 0 &&
            shown.compare(at + title.size(), std::u16string::npos, text, at) == 0) {
            return true;
        }
    }
    return false;
}

void CheckCodePageSearch(const std::uint8_t* data, std::size_t size)
{
    auto bytes = std::make_unique<char[]>(size);
    std::memcpy(bytes.get(), data, size);
    TextCodePage codePage = TextCodePage::Ansi;
    if (!FindDeclaredCodePage(bytes.get(), size, codePage)) {
        if (codePage != TextCodePage::Ansi) {
            fuzz::Fail("code page changed where none was found");
        }
        return;
    }
    std::string lower(bytes.get(), size);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; });
    if (codePage == TextCodePage::Ansi || lower.find("<meta") == std::string::npos ||
        lower.find("charset") == std::string::npos) {
        fuzz::Fail("a code page found without a <meta> naming a charset");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1 || size > 8192) {
        return 0;
    }
    CheckCodePageSearch(data + 1, size - 1);

    const std::u16string page = UnitsOf(data + 1, size - 1, (data[0] & 1) != 0);
    auto text = std::make_unique<char16_t[]>(page.size());
    std::memcpy(text.get(), page.data(), page.size() * sizeof(char16_t));
    const std::size_t length = HtmlToText(text.get(), page.size());
    if (length > page.size()) {
        fuzz::Fail("the text is longer than the page");
    }
    const std::u16string result(text.get(), length);
    if (page.find(u'&') == std::u16string::npos && page.find(u"<<") == std::u16string::npos &&
        HoldsTagStart(result)) {
        fuzz::Fail("a tag, comment or doctype is left");
    }
    const reference::ShownText shown = reference::Shown(page);
    if (shown.unknownName) {
        return 0;
    }
    const std::u16string expected = reference::WithoutHtmlSpace(shown.text);
    const std::u16string kept = reference::WithoutHtmlSpace(result);
    const std::u16string title = reference::WithoutHtmlSpace(shown.title);
    if (kept != expected && (title.empty() || !IsWithOneMore(expected, kept, title))) {
        fuzz::Fail("the characters shown differ from the restatement's");
    }
    return 0;
}
