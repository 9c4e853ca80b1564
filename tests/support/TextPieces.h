#pragma once
// Texts that several suites, benchmarks and fuzz targets build: repeated
// pieces, the byte-order marks, and the worst case of the read limit.

#include <cstddef>
#include <string>

namespace zandrel::test {

inline const std::string Utf8Mark = "\xEF\xBB\xBF";
inline const std::string Utf16LeMark = "\xFF\xFE";
inline const std::string Utf16BeMark = "\xFE\xFF";

inline std::string Repeat(const std::string& piece, std::size_t times)
{
    std::string text;
    text.reserve(piece.size() * times);
    for (std::size_t i = 0; i < times; ++i) {
        text += piece;
    }
    return text;
}

// "abc…xyzab…": count letters that show where a cut fell.
inline std::string Letters(std::size_t count)
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        text += static_cast<char>('a' + i % 26);
    }
    return text;
}

// lines one-character lines between single LF bytes; the last line is lastByte.
inline std::string OneCharLines(std::size_t lines, char lastByte = 'a')
{
    return Repeat("a\n", lines - 1) + lastByte;
}

// 2,048 one-character lines in the 4,095 bytes of the read limit: the longest
// normalised text.
inline std::string WorstCaseText()
{
    return OneCharLines(2048);
}

} // namespace zandrel::test
