// Prints the text the Rich Text reader shows of each file named, from the
// first 4,095 bytes as the import reads them, in UTF-8 (a character the
// stand-in's conversion does not know is U+FFFD): for comparing the reader
// with a word processor's text export.
//   zandrel_rtf_dump FILE...

#include <cstdio>
#include <string>

#include "import/ImportLimits.h"
#include "import/readers/rtf/RichText.h"

namespace {

void PutUtf8(char32_t c, std::string& out)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

int main(int argc, char** argv)
{
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        std::FILE* file = std::fopen(argv[i], "rb");
        if (file == nullptr) {
            std::perror(argv[i]);
            status = 1;
            continue;
        }
        char bytes[zandrel::ReadLimit];
        const std::size_t count = std::fread(bytes, 1, sizeof bytes, file);
        std::fclose(file);
        char16_t wide[zandrel::WideTextUnits];
        const std::size_t units = zandrel::RichTextToWide(bytes, count, wide, std::size(wide));
        std::string text;
        for (std::size_t k = 0; k < units; ++k) {
            char32_t c = wide[k];
            if (c >= 0xD800 && c < 0xDC00 && k + 1 < units) {
                c = 0x10000 + ((c - 0xD800) << 10) + (wide[++k] - 0xDC00);
            }
            PutUtf8(c, text);
        }
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fputc('\n', stdout);
    }
    return status;
}
