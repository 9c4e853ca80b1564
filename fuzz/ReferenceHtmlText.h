#pragma once
// A plain restatement, with std::u16string, of which characters of a web page
// without character references a browser shows: all but those of tags,
// comments, doctypes and processing instructions, of script, style, noscript,
// template, noframes, noembed and iframe elements, and of a title after the
// first. Where a line breaks and how white space collapses it does not say.

#include <cstddef>
#include <string>

namespace zandrel::reference {

struct ShownText {
    std::u16string text;
    std::u16string title; // the first title's text, also part of `text`
    bool titleSeen = false;
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
            if (inTitle || endTag || tag.selfClosing) {
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
