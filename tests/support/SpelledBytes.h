#pragma once
// Texts in test tables are spelled as their bytes: words stand for their
// letters, SP TAB SUB CR LF FF VT NUL for the bytes 32 9 26 13 10 12 11 0, 0xNN for a
// byte by value, "empty" for nothing. Tokens are joined without separators, so
// "two SP words" is "two words".

#include <string>
#include <string_view>

namespace zandrel::test {

inline std::string Spelled(std::string_view spelled)
{
    static constexpr struct {
        std::string_view token;
        char byte;
    } named[] = {{"SP", ' '},  {"TAB", '\t'}, {"SUB", '\x1A'}, {"CR", '\r'},
                 {"LF", '\n'}, {"FF", '\f'},  {"VT", '\v'},    {"NUL", '\0'}};
    std::string bytes;
    std::size_t at = 0;
    while (at < spelled.size()) {
        std::size_t end = spelled.find(' ', at);
        if (end == std::string_view::npos) {
            end = spelled.size();
        }
        const std::string_view token = spelled.substr(at, end - at);
        at = end + 1;
        if (token.empty() || token == "empty") {
            continue;
        }
        bool done = false;
        for (const auto& entry : named) {
            if (token == entry.token) {
                bytes += entry.byte;
                done = true;
            }
        }
        if (!done && token.size() == 4 && token.substr(0, 2) == "0x") {
            bytes += static_cast<char>(std::stoi(std::string(token.substr(2)), nullptr, 16));
            done = true;
        }
        if (!done) {
            bytes += token;
        }
    }
    return bytes;
}

} // namespace zandrel::test
