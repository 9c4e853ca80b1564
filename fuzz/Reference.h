#pragma once
// Plain, allocation-happy restatements of the import's text steps, written
// straight from their rules with std::string. The fuzz targets compare the
// fixed-buffer production code against them.

#include <cstdint>
#include <string>

#include "base/StepChar.h"

namespace zandrel::reference {

inline bool IsLineBreak(char c)
{
    return c == '\n' || c == '\r';
}
inline bool IsLineWhite(char c)
{
    return c == '\t' || c == '\x1A' || c == ' ';
}
inline bool IsTrailingWhite(char c)
{
    return IsLineWhite(c) || IsLineBreak(c);
}

// Length of the character at text[i] within a zero-terminated std::string.
inline std::size_t CharLength(const std::string& text, std::size_t i)
{
    return static_cast<std::size_t>(StepChar(text.c_str() + i) - (text.c_str() + i));
}

// The text without a last lead byte whose trail byte is missing.
inline std::string DropLoneLeadByte(const std::string& text)
{
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        if (IsLeadByte(text[i]) && i + 1 == text.size()) {
            return text.substr(0, i);
        }
    }
    return text;
}

inline std::string TrimTrailing(const std::string& text)
{
    if (!DbcsEnabled) {
        std::size_t end = text.size();
        while (end > 0 && IsTrailingWhite(text[end - 1])) {
            --end;
        }
        return text.substr(0, end);
    }
    std::size_t keep = 0;
    for (std::size_t i = 0; i < text.size(); i += CharLength(text, i)) {
        if (!IsTrailingWhite(text[i])) {
            keep = i + CharLength(text, i);
        }
    }
    return text.substr(0, keep);
}

inline std::string Normalise(const std::string& source)
{
    std::string result;
    std::size_t i = 0;
    while (i < source.size()) {
        const std::size_t start = i;
        std::size_t first = std::string::npos;
        std::size_t lastEnd = 0;
        while (i < source.size() && !IsLineBreak(source[i])) {
            const std::size_t len = CharLength(source, i);
            if (!IsLineWhite(source[i])) {
                if (first == std::string::npos) {
                    first = i;
                }
                lastEnd = i + len;
            }
            i += len;
        }
        result += first == std::string::npos ? source.substr(start, i - start)
                                             : source.substr(first, lastEnd - first);
        result += "\r\n";
        while (i < source.size() && IsLineBreak(source[i])) {
            i += CharLength(source, i);
        }
    }
    return TrimTrailing(result);
}

inline std::string LineLimit(const std::string& text, std::int32_t lines)
{
    if (lines <= 0) {
        return {};
    }
    std::size_t i = 0;
    for (;;) {
        while (i < text.size() && !IsLineBreak(text[i])) {
            i += CharLength(text, i);
        }
        --lines;
        if (i >= text.size()) {
            return text;
        }
        const char other = text[i] == '\r' ? '\n' : '\r';
        i += CharLength(text, i);
        while (i < text.size() && text[i] == other) {
            i += CharLength(text, i);
        }
        if (lines == 0 || i >= text.size()) {
            return text.substr(0, i);
        }
    }
}

// At most `capacity` - 1 bytes, cut after a whole character, then trimmed.
inline std::string CutToCapacity(const std::string& text, std::size_t capacity)
{
    if (text.size() < capacity) {
        return text;
    }
    std::size_t cut = 0;
    while (cut < text.size() && cut + CharLength(text, cut) <= capacity - 1) {
        cut += CharLength(text, cut);
    }
    return TrimTrailing(text.substr(0, cut));
}

} // namespace zandrel::reference
