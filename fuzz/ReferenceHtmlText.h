#pragma once
// A plain restatement, with std::u16string, of which characters of a web page
// a browser shows: all but those of tags, comments, doctypes and processing
// instructions, of script, style, noscript, template, noframes, noembed and
// iframe elements, and of a title after the first; a q element's tags show
// as quotation marks, U+201C and U+201D, but for in a title; a character
// reference shows the character it stands for, by tables of its own: every
// numeric one, and a few names (another name leaves `unknownName` set). Where a
// line breaks and how white space collapses it does not say.

#include <cstddef>
#include <string>

namespace zandrel::reference {

struct ShownText {
    std::u16string text;
    std::u16string title; // the first title's text, also part of `text`
    bool titleSeen = false;
    bool unknownName = false; // a reference by a name the restatement lacks
};

namespace detail {

inline bool IsHtmlSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

inline bool IsLetter(char16_t c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

inline char16_t Lower(char16_t c)
{
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c;
}

// What a browser shows for the numeric reference to `value`: 0, a surrogate or
// past U+10FFFF stands for U+FFFD, 128 to 159 for the windows-1252 character
// of that byte; a control shows nothing, TAB, LF, FF and CR show white space.
inline std::u16string ShownForNumber(char32_t value)
{
    constexpr char16_t Windows1252[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        value = 0xFFFD;
    } else if (value >= 0x80 && value <= 0x9F) {
        value = Windows1252[value - 0x80];
        if (value == 0) {
            return u"";
        }
    }
    if (value < 0x20 || value == 0x7F) {
        return IsHtmlSpace(static_cast<char16_t>(value)) ? u" " : u"";
    }
    if (value < 0x10000) {
        return std::u16string(1, static_cast<char16_t>(value));
    }
    value -= 0x10000;
    return {static_cast<char16_t>(0xD800 + (value >> 10)),
            static_cast<char16_t>(0xDC00 + (value & 0x3FF))};
}

struct ReferenceSpan {
    std::size_t length = 0; // 0: no reference, the '&' is text
    std::u16string shown;
    bool known = true;
};

// "&#" and 1 to 7 decimal digits or 'x' and 1 to 6 hex digits, or "&" and a
// name of 1 to 8 letters and digits; then ';'. Names keep their case.
inline ReferenceSpan ReadReference(const std::u16string& page, std::size_t i, std::size_t end)
{
    ReferenceSpan span;
    std::size_t k = i + 1;
    if (k < end && page[k] == u'#') {
        ++k;
        const bool hex = k < end && (page[k] == u'x' || page[k] == u'X');
        k += hex ? 1 : 0;
        const std::size_t first = k;
        char32_t value = 0;
        for (; k < end; ++k) {
            const char16_t c = page[k];
            int digit = -1;
            if (c >= u'0' && c <= u'9') {
                digit = c - u'0';
            } else if (hex && c >= u'a' && c <= u'f') {
                digit = c - u'a' + 10;
            } else if (hex && c >= u'A' && c <= u'F') {
                digit = c - u'A' + 10;
            }
            if (digit < 0) {
                break;
            }
            value = value * (hex ? 16 : 10) + static_cast<char32_t>(digit);
        }
        const std::size_t digits = k - first;
        if (digits == 0 || digits > (hex ? 6u : 7u) || k >= end || page[k] != u';') {
            return span;
        }
        span.length = k + 1 - i;
        span.shown = ShownForNumber(value);
        return span;
    }
    std::u16string name;
    for (; k < end && (IsLetter(page[k]) || (page[k] >= u'0' && page[k] <= u'9')); ++k) {
        name += page[k];
    }
    if (name.empty() || name.size() > 8 || k >= end || page[k] != u';') {
        return span;
    }
    span.length = k + 1 - i;
    const struct {
        const char16_t* name;
        const char16_t* shown;
    } names[] = {{u"amp", u"&"},       {u"lt", u"<"},         {u"gt", u">"},
                 {u"quot", u"\""},     {u"apos", u"'"},       {u"nbsp", u"\u00A0"},
                 {u"eacute", u"\u00E9"}, {u"Eacute", u"\u00C9"}, {u"copy", u"\u00A9"},
                 {u"mdash", u"\u2014"},  {u"euro", u"\u20AC"},   {u"hellip", u"\u2026"}};
    for (const auto& row : names) {
        if (name == row.name) {
            span.shown = row.shown;
            return span;
        }
    }
    span.known = false;
    return span;
}

struct TagSpan {
    bool whole = false; // false: the end came first
    std::size_t end = 0;
    std::u16string name; // in small letters
    bool selfClosing = false;
};

// A tag from its '<' to its '>': a name, then attributes, each a name and
// perhaps '=' and a value; a value in quotes may hold '>'.
inline TagSpan ReadTag(const std::u16string& page, std::size_t i, std::size_t end)
{
    TagSpan tag;
    ++i;
    if (page[i] == u'/') {
        ++i;
    }
    auto stop = [&](std::size_t k) {
        return IsHtmlSpace(page[k]) || page[k] == u'/' || page[k] == u'>';
    };
    while (i < end && !stop(i)) {
        tag.name += Lower(page[i++]);
    }
    while (true) {
        while (i < end && (IsHtmlSpace(page[i]) || page[i] == u'/')) {
            tag.selfClosing = page[i] == u'/' && i + 1 < end && page[i + 1] == u'>';
            ++i;
        }
        if (i >= end) {
            return tag;
        }
        if (page[i] == u'>') {
            tag.whole = true;
            tag.end = i + 1;
            return tag;
        }
        ++i; // an attribute's first character, whatever it is
        while (i < end && !stop(i) && page[i] != u'=') {
            ++i;
        }
        std::size_t k = i;
        while (k < end && IsHtmlSpace(page[k])) {
            ++k;
        }
        if (k >= end || page[k] != u'=') {
            continue;
        }
        ++k;
        while (k < end && IsHtmlSpace(page[k])) {
            ++k;
        }
        if (k < end && (page[k] == u'"' || page[k] == u'\'')) {
            const std::size_t closing = page.find(page[k], k + 1);
            if (closing == std::u16string::npos || closing >= end) {
                return tag;
            }
            i = closing + 1;
        } else {
            i = k;
            while (i < end && !IsHtmlSpace(page[i]) && page[i] != u'>') {
                ++i;
            }
        }
    }
}

// Where "</name" and then white space, '/' or '>' starts; `end` where none does.
inline std::size_t EndTagAt(const std::u16string& page, std::size_t from, std::size_t end,
                            const std::u16string& name)
{
    for (std::size_t k = from; k + 2 + name.size() < end; ++k) {
        if (page[k] != u'<' || page[k + 1] != u'/') {
            continue;
        }
        std::u16string found;
        for (std::size_t n = 0; n < name.size(); ++n) {
            found += Lower(page[k + 2 + n]);
        }
        const char16_t after = page[k + 2 + name.size()];
        if (found == name && (IsHtmlSpace(after) || after == u'/' || after == u'>')) {
            return k;
        }
    }
    return end;
}

inline std::size_t PastEndTag(const std::u16string& page, std::size_t from, std::size_t end,
                              const std::u16string& name)
{
    const std::size_t at = EndTagAt(page, from, end, name);
    if (at == end) {
        return end;
    }
    const TagSpan tag = ReadTag(page, at, end);
    return tag.whole ? tag.end : end;
}

inline bool Hidden(const std::u16string& name)
{
    for (const char16_t* hidden :
         {u"script", u"style", u"noscript", u"template", u"noframes", u"noembed", u"iframe"}) {
        if (name == hidden) {
            return true;
        }
    }
    return false;
}

// In a title, tags and comments go but nothing is hidden. A '<' last is text,
// but for at the end of the page, where it is a tag the read cut off.
inline void Show(const std::u16string& page, std::size_t i, std::size_t end, bool inTitle,
                 ShownText& shown, std::u16string& into)
{
    while (i < end) {
        if (page[i] == u'&') {
            const ReferenceSpan reference = ReadReference(page, i, end);
            shown.unknownName |= !reference.known;
            into += reference.length == 0 ? u"&" : reference.shown;
            i += reference.length == 0 ? 1 : reference.length;
            continue;
        }
        if (page[i] != u'<') {
            into += page[i++];
            continue;
        }
        if (i + 1 == end) {
            if (end != page.size()) {
                into += u'<';
            }
            return;
        }
        const char16_t next = page[i + 1];
        const bool endTag = next == u'/' && i + 2 < end && IsLetter(page[i + 2]);
        if (IsLetter(next) || endTag) {
            const TagSpan tag = ReadTag(page, i, end);
            if (!tag.whole) {
                return;
            }
            i = tag.end;
            if (inTitle) {
                continue;
            }
            if (tag.name == u"q") {
                into += endTag ? u'\u201D' : u'\u201C';
                continue;
            }
            if (endTag || tag.selfClosing) {
                continue;
            }
            if (Hidden(tag.name)) {
                i = PastEndTag(page, i, end, tag.name);
            } else if (tag.name == u"title") {
                const std::size_t close = EndTagAt(page, i, end, u"title");
                if (!shown.titleSeen) {
                    shown.titleSeen = true;
                    Show(page, i, close, true, shown, shown.title);
                    into += shown.title;
                }
                i = PastEndTag(page, i, end, u"title");
            }
        } else if (next == u'!' && i + 3 < end && page[i + 2] == u'-' && page[i + 3] == u'-') {
            const std::size_t close = page.find(u"-->", i + 2);
            i = (close == std::u16string::npos || close + 3 > end) ? end : close + 3;
        } else if (next == u'!' || next == u'/' || next == u'?') {
            const std::size_t close = page.find(u'>', i + 2);
            i = (close == std::u16string::npos || close >= end) ? end : close + 1;
        } else {
            into += page[i++];
        }
    }
}

} // namespace detail

inline ShownText Shown(const std::u16string& page)
{
    ShownText shown;
    detail::Show(page, 0, page.size(), false, shown, shown.text);
    return shown;
}

// Whether the bytes read start, after a byte-order mark and white space, with
// "<!DOCTYPE html" or "<html" in any case, and then white space, '>' or '/'.
inline bool StartsLikeWebPage(const std::string& read)
{
    std::u16string start;
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(read[i]); };
    if (read.size() >= 2 &&
        (read.compare(0, 2, "\xFF\xFE") == 0 || read.compare(0, 2, "\xFE\xFF") == 0)) {
        const bool little = byte(0) == 0xFF;
        for (std::size_t i = 2; i + 1 < read.size(); i += 2) {
            start += static_cast<char16_t>(little ? byte(i) | (byte(i + 1) << 8)
                                                  : (byte(i) << 8) | byte(i + 1));
        }
    } else {
        const std::size_t from = read.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
        for (std::size_t i = from; i < read.size(); ++i) {
            start += static_cast<char16_t>(byte(i));
        }
    }
    std::size_t i = 0;
    while (i < start.size() && detail::IsHtmlSpace(start[i])) {
        ++i;
    }
    for (const std::u16string word : {u"<!doctype html", u"<html"}) {
        if (start.size() <= i + word.size()) {
            continue;
        }
        std::u16string found;
        for (std::size_t k = 0; k < word.size(); ++k) {
            found += detail::Lower(start[i + k]);
        }
        const char16_t after = start[i + word.size()];
        if (found == word && (detail::IsHtmlSpace(after) || after == u'>' || after == u'/')) {
            return true;
        }
    }
    return false;
}

inline std::u16string WithoutHtmlSpace(const std::u16string& text)
{
    std::u16string kept;
    for (const char16_t c : text) {
        if (!detail::IsHtmlSpace(c)) {
            kept += c;
        }
    }
    return kept;
}

} // namespace zandrel::reference
