#include "settings/MaskListEncoding.h"

#include "base/StepChar.h"

namespace zandrel {
namespace {

constexpr char Quote = '"';
constexpr char Separator = ',';

bool IsBlank(char byte) noexcept
{
    const auto value = static_cast<unsigned char>(byte);
    return value >= 0x01 && value <= 0x20;
}

const char* SkipBlanks(const char* p) noexcept
{
    while (IsBlank(*p)) {
        p = StepChar(p);
    }
    return p;
}

// The next quote byte at or after from that starts a character, or the
// terminating zero. A quote counts as the second byte of a double-byte
// character when the run of lead bytes right before it, counted back no
// further than from, has odd length.
const char* FindQuote(const char* from) noexcept
{
    unsigned leadRun = 0;
    const char* p = from;
    for (; *p != '\0'; ++p) {
        if (*p == Quote && leadRun % 2 == 0) {
            return p;
        }
        leadRun = IsLeadByte(*p) ? leadRun + 1 : 0;
    }
    return p;
}

void AppendQuoted(const std::string& item, std::string& text)
{
    text += Quote;
    const char* p = item.c_str();
    for (const char* quote = FindQuote(p); *quote != '\0'; quote = FindQuote(p)) {
        text.append(p, quote + 1);
        text += Quote;
        p = quote + 1;
    }
    text += p;
    text += Quote;
}

bool NeedsQuotes(const std::string& item) noexcept
{
    const char* p = item.c_str();
    while (*p != '\0' && !IsBlank(*p) && *p != Quote && *p != Separator) {
        p = StepChar(p);
    }
    return *p != '\0';
}

// p is at the opening quote. Returns the position right after the closing
// quote, or the terminating zero when the text ends inside the quotes.
const char* ReadQuotedItem(const char* p, std::string& item)
{
    p = StepChar(p);
    for (;;) {
        const char* quote = FindQuote(p);
        item.append(p, quote);
        if (*quote == '\0') {
            return quote;
        }
        if (quote[1] != Quote) {
            return quote + 1;
        }
        item += Quote;
        p = quote + 2;
    }
}

const char* ReadBareItem(const char* p, std::string& item)
{
    const char* start = p;
    while (*p != '\0' && !IsBlank(*p) && *p != Separator) {
        p = StepChar(p);
    }
    item.assign(start, p);
    return p;
}

} // namespace

std::string EncodeMaskList(const TStringList& list)
{
    if (list.Count() == 1 && list[0].empty()) {
        return {Quote, Quote};
    }
    std::string text;
    for (const std::string& item : list) {
        if (NeedsQuotes(item)) {
            AppendQuoted(item, text);
        } else {
            text += item;
        }
        text += Separator;
    }
    if (!text.empty()) {
        text.pop_back();
    }
    return text;
}

void DecodeMaskList(const char* text, TStringList& list)
{
    list.Clear();
    const char* p = SkipBlanks(text);
    std::string item;
    while (*p != '\0') {
        item.clear();
        p = (*p == Quote) ? ReadQuotedItem(p, item) : ReadBareItem(p, item);
        list.Add(item);
        p = SkipBlanks(p);
        if (*p == Separator) {
            p = SkipBlanks(StepChar(p));
        }
    }
}

} // namespace zandrel
