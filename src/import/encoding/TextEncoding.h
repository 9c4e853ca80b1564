#pragma once
// What the bytes read are, decided once per import, before any reader runs.

#include <cstddef>
#include <optional>

#include "platform/CodePageConversion.h"

namespace zandrel {

// What the chosen reader works on.
enum class ReaderInput : unsigned char {
    AnsiText, // the text as ANSI text: taken as read, or converted to it
    WideText, // the decoded text, in place in the wide buffer (web page, Markdown)
    Bytes,    // the bytes as read: the reader decodes them itself into the wide buffer
};

struct TextEncoding {
    enum class Kind : unsigned char {
        AsRead,            // ANSI text that needs no conversion: no wide text at all
        Utf8,              // from byte `skip` on; up to the first zero, whole characters
        Utf16LittleEndian, // from byte `skip` on; up to the first zero unit, whole characters
        Utf16BigEndian,
        CodePage,      // `codePage`, up to the first zero: a reader's text without mark or UTF-8
        Oem,           // the OEM code page, up to the first zero; back with look-alikes
        ReaderDecodes, // the reader makes the wide text from the bytes
    };
    // Small enough to travel in a register: the plain road's frame stays as small.
    Kind kind = Kind::AsRead;
    unsigned char skip = 0;                     // the byte-order mark's bytes
    TextCodePage codePage = TextCodePage::Ansi; // for Kind::CodePage

    friend constexpr bool operator==(const TextEncoding&, const TextEncoding&) = default;
};

// The encoding of the `count` bytes read from the file `name`, for a reader
// that takes `input`. In this order: a byte-order mark (UTF-8, UTF-16LE,
// UTF-16BE); the charset that the reader found declared in the text
// (`declared`: a web page's <meta>); well-formed UTF-8 that holds a character
// of more than one byte (for an ANSI text reader as read where the ANSI code
// page is UTF-8 itself, and never OEM, even in a .DIZ file); for a reader of
// wide text, the ANSI code page; the OEM code page for a .DIZ or .NFO file
// (as read where it is the ANSI code page); else the text as read. A reader
// that takes the bytes decodes them itself.
[[nodiscard]] TextEncoding DecideTextEncoding(const char* bytes, std::size_t count,
                                              const char* name, ReaderInput input,
                                              std::optional<TextCodePage> declared) noexcept;

// Whether the file named `name` holds text in the OEM code page: a FILE_ID.DIZ
// or a .NFO file, as DOS programs wrote them. The name's ending decides, in
// any case.
[[nodiscard]] bool NamesOemText(const char* name) noexcept;

} // namespace zandrel
