#include "import/readers/html/HtmlCodePage.h"

#include <string_view>

#include "import/readers/shared/MarkupCharacters.h"
#include "import/readers/shared/TagScanner.h"

namespace zandrel {
namespace {

using namespace std::string_view_literals;

struct CodePageLabel {
    std::string_view label; // in small letters
    TextCodePage codePage;
};

// The names a page gives its encoding, as browsers read them: the Latin ones
// all as windows-1252.
constexpr CodePageLabel CodePageLabels[] = {
    {"utf-8"sv, TextCodePage::Utf8},
    {"utf8"sv, TextCodePage::Utf8},
    {"windows-1252"sv, TextCodePage::Windows1252},
    {"cp1252"sv, TextCodePage::Windows1252},
    {"iso-8859-1"sv, TextCodePage::Windows1252},
    {"iso8859-1"sv, TextCodePage::Windows1252},
    {"iso_8859-1"sv, TextCodePage::Windows1252},
    {"latin1"sv, TextCodePage::Windows1252},
    {"us-ascii"sv, TextCodePage::Windows1252},
    {"ascii"sv, TextCodePage::Windows1252},
    {"ansi_x3.4-1968"sv, TextCodePage::Windows1252},
    {"shift_jis"sv, TextCodePage::ShiftJis},
    {"shift-jis"sv, TextCodePage::ShiftJis},
    {"sjis"sv, TextCodePage::ShiftJis},
    {"windows-31j"sv, TextCodePage::ShiftJis},
    {"x-sjis"sv, TextCodePage::ShiftJis},
    {"cp932"sv, TextCodePage::ShiftJis},
};

// Whether `text` starts with `word`, given in small letters, in any case.
bool StartsWithWord(std::string_view text, std::string_view word) noexcept
{
    if (text.size() < word.size()) {
        return false;
    }
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (AsciiLower(text[i]) != word[i]) {
            return false;
        }
    }
    return true;
}

bool SameWord(std::string_view text, std::string_view word) noexcept
{
    return text.size() == word.size() && StartsWithWord(text, word);
}

std::string_view TrimSpace(std::string_view text) noexcept
{
    while (!text.empty() && IsHtmlSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsHtmlSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool LookUpLabel(std::string_view label, TextCodePage& codePage) noexcept
{
    label = TrimSpace(label);
    for (const CodePageLabel& row : CodePageLabels) {
        if (SameWord(label, row.label)) {
            codePage = row.codePage;
            return true;
        }
    }
    return false;
}

// The charset that a Content-Type value names ("text/html; charset=...").
std::string_view CharsetInContent(std::string_view content) noexcept
{
    for (std::size_t at = 0; at + 7 <= content.size(); ++at) {
        if (!StartsWithWord(content.substr(at), "charset"sv)) {
            continue;
        }
        std::size_t p = at + 7;
        while (p < content.size() && IsHtmlSpace(content[p])) {
            ++p;
        }
        if (p == content.size() || content[p] != '=') {
            continue;
        }
        ++p;
        while (p < content.size() && IsHtmlSpace(content[p])) {
            ++p;
        }
        if (p < content.size() && (content[p] == '"' || content[p] == '\'')) {
            const std::size_t closing = content.find(content[p], p + 1);
            return closing == std::string_view::npos ? std::string_view()
                                                     : content.substr(p + 1, closing - p - 1);
        }
        std::size_t end = p;
        while (end < content.size() && !IsHtmlSpace(content[end]) && content[end] != ';') {
            ++end;
        }
        return content.substr(p, end - p);
    }
    return {};
}

using MetaTag = TagScanner<char, TagRules::Browser>;

// The code page that one <meta> tag names, from the attributes read before
// its end or the end of the bytes.
bool MetaCodePage(MetaTag& tag, TextCodePage& codePage) noexcept
{
    std::string_view charset;
    std::string_view content;
    bool contentType = false;
    TagAttribute<char> attribute;
    while (tag.Next(attribute)) {
        if (SameWord(attribute.name, "charset"sv)) {
            charset = attribute.value;
        } else if (SameWord(attribute.name, "http-equiv"sv)) {
            contentType = SameWord(TrimSpace(attribute.value), "content-type"sv);
        } else if (SameWord(attribute.name, "content"sv)) {
            content = attribute.value;
        }
    }
    if (!charset.empty()) {
        return LookUpLabel(charset, codePage);
    }
    return contentType && LookUpLabel(CharsetInContent(content), codePage);
}

} // namespace

bool FindDeclaredCodePage(const char* bytes, std::size_t count, TextCodePage& codePage) noexcept
{
    std::string_view text(bytes, count);
    for (std::size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<')) {
        text.remove_prefix(at);
        if (StartsWithWord(text, "<!--"sv)) {
            // A <meta> in a comment names nothing.
            const std::size_t end = text.find("-->"sv, 2);
            text.remove_prefix(end == std::string_view::npos ? text.size() : end + 3);
            continue;
        }
        if (!StartsWithWord(text, "<meta"sv) || text.size() == 5 ||
            !(IsHtmlSpace(text[5]) || text[5] == '/')) {
            text.remove_prefix(1);
            continue;
        }
        MetaTag tag(text.data(), text.data() + text.size());
        TextCodePage found = TextCodePage::Ansi;
        if (MetaCodePage(tag, found)) {
            codePage = found;
            return true;
        }
        text.remove_prefix(static_cast<std::size_t>(tag.ResumeAt() - text.data()));
    }
    return false;
}

} // namespace zandrel
