#pragma once
// A plain restatement of which files the import takes for no text: the
// signatures written out as strings, with the byte tests that follow the short
// or printable ones, each from its format's own layout.

#include <initializer_list>
#include <string>

namespace zandrel::reference {

inline bool IsBinaryFormat(const std::string& read)
{
    using namespace std::string_literals;
    const auto has = [&read](std::size_t at, const std::string& bytes) {
        return read.size() >= at + bytes.size() && read.compare(at, bytes.size(), bytes) == 0;
    };
    // The byte at `at` as 0 to 255, or -1 past the bytes read.
    const auto byte = [&read](std::size_t at) {
        return at < read.size() ? static_cast<int>(static_cast<unsigned char>(read[at])) : -1;
    };
    const auto between = [&byte](std::size_t at, int low, int high) {
        return byte(at) >= low && byte(at) <= high;
    };

    for (const std::string& signature : {
             "PK\x03\x04"s, "PK\x05\x06"s,        // zip, and an empty one
             "7z\xBC\xAF\x27\x1C"s,               // 7-Zip
             "Rar!\x1A\x07"s,                     // RAR
             "\xFD"s + "7zXZ\0"s,                 // xz
             "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"s, // OLE2 compound file
             "1\xBE\0\0"s, "2\xBE\0\0"s,          // Windows Write 3.0, 3.1
             "?_\x03\0"s,                         // Windows Help
             "\x89PNG\r\n\x1A\n"s,                // PNG
         }) {
        if (has(0, signature)) {
            return true;
        }
    }
    // gzip: deflate, and flags with the top three bits clear.
    if (has(0, "\x1F\x8B\x08") && between(3, 0x00, 0x1F)) {
        return true;
    }
    // bzip2: the block size, then a block's magic or the end of an empty stream.
    if (has(0, "BZh") && between(3, '1', '9') &&
        (has(4, "1AY&SY") || has(4, "\x17\x72\x45\x38\x50\x90"))) {
        return true;
    }
    // PDF: "%PDF-", a version "N.N" and the end of the header's line (LF to CR).
    if (has(0, "%PDF-") && between(5, '0', '9') && byte(6) == '.' && between(7, '0', '9') &&
        between(8, '\n', '\r')) {
        return true;
    }
    // MZ: the last page's length is below 512, so its high byte is 0 or 1.
    if (has(0, "MZ") && between(3, 0x00, 0x01)) {
        return true;
    }
    // GIF: a width below 2,304 pixels, whose high byte is the eighth.
    if ((has(0, "GIF87a") || has(0, "GIF89a")) && between(7, 0x00, 0x08)) {
        return true;
    }
    // JPEG: the start of image and a segment marker.
    return has(0, "\xFF\xD8\xFF") && between(3, 0xC0, 0xFE);
}

} // namespace zandrel::reference
