#pragma once
// Texts read from description files, and what their conversion leaves in the
// read buffer: byte-order marks, UTF-8 without one, and the OEM text of .DIZ
// and .NFO files. The rows hold for code page 1252 (OEM code page 437) and for
// the native stand-in alike: they use ASCII, the letters from U+00A0 up to
// U+00FF, and characters that neither can show; where the stand-in's OEM code
// page knows only letters, a row says what it gives.

#include <cstring>
#include <ostream>
#include <string>

#include "import/ConvertReadText.h"
#include "import/ImportLimits.h"

namespace zandrel::test {

struct MarkedTextRow {
    const char* name;
    const char* read;     // spelled, see SpelledBytes.h: the bytes read
    const char* expected; // spelled: the text left in the buffer
    // How many default characters an invalid sequence gives is the platform's
    // choice: compare runs of '?' as one.
    bool anyDefaultRun = false;
    const char* fileName = "README.TXT"; // the name the import chose
    const char* standIn = nullptr;       // spelled, when the native stand-in differs
};

inline void PrintTo(const MarkedTextRow& row, std::ostream* out)
{
    *out << row.name;
}

// What ConvertReadText leaves of `read`, the bytes read from the file `fileName`.
inline std::string ConvertedRead(const std::string& read, const char* fileName)
{
    ReadBuffer text;
    text.fill('#');
    std::memcpy(text.data(), read.data(), read.size());
    text[read.size()] = '\0'; // as the read leaves it
    ConvertReadText(text, read.size(), fileName);
    return std::string(text.data(), strnlen(text.data(), text.size()));
}

// clang-format off
inline constexpr MarkedTextRow MarkedTextRows[] = {
    // Without a mark, UTF-8 is converted only when the whole text is UTF-8 and
    // not plain ASCII; anything else stays as read.
    {"unmarked_utf8_letters", "Caf 0xC3 0xA9", "Caf 0xE9"},
    {"unmarked_code_page_letters_stay", "Gr 0xFC 0xDF e", "Gr 0xFC 0xDF e"},
    {"unmarked_overlong_form_stays", "0xC0 0xAF abcdef 0xC3 0xA9", "0xC0 0xAF abcdef 0xC3 0xA9"},
    {"unmarked_surrogate_stays", "0xC3 0xA9 0xED 0xA0 0x80", "0xC3 0xA9 0xED 0xA0 0x80"},
    {"unmarked_beyond_unicode_stays", "0xC3 0xA9 0xF4 0x90 0x80 0x80", "0xC3 0xA9 0xF4 0x90 0x80 0x80"},
    {"unmarked_cut_off_last_character_dropped", "Caf 0xC3 0xA9 0xE2 0x82", "Caf 0xE9"},
    {"unmarked_cut_off_before_zero_stays", "0xC3 0xA9 0xE2 NUL b", "0xC3 0xA9 0xE2"},
    {"unmarked_only_a_cut_off_character_stays", "Caf 0xC3", "Caf 0xC3"},
    {"unmarked_utf8_up_to_the_zero", "0xC3 0xA9 abc NUL defg 0xFF", "0xE9 abc"},
    {"two_bytes_of_the_utf8_mark", "0xEF 0xBB a", "0xEF 0xBB a"},
    // Well-formed UTF-8: the mark's character inside the text is no mark.
    {"mark_after_the_start", "a 0xEF 0xBB 0xBF b", "a ? b"},
    {"no_mark_zero_byte_still_ends", "0xFF 0xFF a NUL b", "0xFF 0xFF a"},
    {"a_single_0xFF", "0xFF", "0xFF"},

    {"utf8_latin_letters", "0xEF 0xBB 0xBF SP SP Gr 0xC3 0xBC 0xC3 0x9F e CR LF", "SP SP Gr 0xFC 0xDF e CR LF"},
    {"utf8_mark_only", "0xEF 0xBB 0xBF", "empty"},
    // Ł is a plain L, ź decomposes to z, ó is the code page's own.
    {"utf8_letters_outside_the_code_page", "0xEF 0xBB 0xBF 0xC5 0x81 0xC3 0xB3 d 0xC5 0xBA", "L 0xF3 dz"},
    {"utf8_zero_byte_ends_the_text", "0xEF 0xBB 0xBF one NUL two", "one"},
    {"utf8_zero_byte_first", "0xEF 0xBB 0xBF NUL one", "empty"},
    {"utf8_cut_off_two_byte_character", "0xEF 0xBB 0xBF a 0xC3", "a"},
    {"utf8_cut_off_three_byte_character", "0xEF 0xBB 0xBF a 0xE2 0x82", "a"},
    {"utf8_cut_off_four_byte_character", "0xEF 0xBB 0xBF a 0xF0 0x9F 0x98", "a"},
    {"utf8_cut_off_after_mark_only", "0xEF 0xBB 0xBF 0xE2", "empty"},
    {"utf8_whole_last_character", "0xEF 0xBB 0xBF a 0xC3 0xBC", "a 0xFC"},
    {"utf8_four_byte_character", "0xEF 0xBB 0xBF a 0xF0 0x9F 0x98 0x80 b", "a ? b"},
    {"utf8_invalid_byte_inside", "0xEF 0xBB 0xBF a 0xFF b", "a ? b"},
    {"utf8_lone_continuation_byte", "0xEF 0xBB 0xBF a 0x80 b", "a ? b"},
    {"utf8_broken_sequence_inside", "0xEF 0xBB 0xBF a 0xE2 0x82 b", "a ? b", true},
    // At the end, but no read could have cut these off: they are invalid.
    {"utf8_byte_that_starts_nothing_last", "0xEF 0xBB 0xBF a 0xC0", "a ?"},
    {"utf8_overlong_start_last", "0xEF 0xBB 0xBF a 0xE0 0x80", "a ?", true},
    {"utf8_surrogate_start_last", "0xEF 0xBB 0xBF a 0xED 0xA0", "a ?", true},
    {"utf8_beyond_unicode_start_last", "0xEF 0xBB 0xBF a 0xF4 0x90", "a ?", true},
    {"utf8_lone_continuation_last", "0xEF 0xBB 0xBF a 0x80", "a ?"},
    // The zero ends the text, not the read: the sequence before it is broken.
    {"utf8_broken_sequence_before_zero", "0xEF 0xBB 0xBF a 0xE2 NUL b", "a ?"},

    {"utf16le_text", "0xFF 0xFE R NUL E NUL A NUL D NUL", "READ"},
    {"utf16be_text", "0xFE 0xFF NUL R NUL E NUL A NUL D", "READ"},
    {"utf16le_latin_letters", "0xFF 0xFE 0xFC NUL 0xDF NUL", "0xFC 0xDF"},
    {"utf16be_latin_letters", "0xFE 0xFF NUL 0xFC NUL 0xDF", "0xFC 0xDF"},
    {"utf16le_mark_only", "0xFF 0xFE", "empty"},
    {"utf16be_mark_only", "0xFE 0xFF", "empty"},
    {"utf16_letter_outside_the_code_page", "0xFF 0xFE E NUL r NUL d NUL 0x51 0x01 s NUL", "Erdos"},
    {"utf16_zero_unit_ends_the_text", "0xFF 0xFE a NUL NUL NUL b NUL", "a"},
    {"utf16be_zero_unit_ends_the_text", "0xFE 0xFF NUL a NUL NUL NUL b", "a"},
    {"utf16_lone_last_byte", "0xFF 0xFE a NUL b", "a"},
    {"utf16_cut_off_pair", "0xFF 0xFE a NUL 0x3D 0xD8", "a"},
    {"utf16be_cut_off_pair", "0xFE 0xFF NUL a 0xD8 0x3D", "a"},
    {"utf16_cut_off_pair_and_lone_byte", "0xFF 0xFE a NUL 0x3D 0xD8 0x00", "a"},
    {"utf16_pair", "0xFF 0xFE a NUL 0x3D 0xD8 0x00 0xDE b NUL", "a ? b"},
    {"utf16_lone_high_surrogate_inside", "0xFF 0xFE 0x3D 0xD8 a NUL", "? a"},
    {"utf16_lone_low_surrogate_inside", "0xFF 0xFE 0x00 0xDE a NUL", "? a"},
    {"utf16_lone_low_surrogate_last", "0xFF 0xFE a NUL 0x00 0xDE", "a ?"},
    {"utf16_high_surrogate_before_zero_unit", "0xFF 0xFE 0x3D 0xD8 NUL NUL a NUL", "?"},
    // A UTF-32 mark starts with the UTF-16 one, and then a zero unit.
    {"utf32le_mark", "0xFF 0xFE NUL NUL a NUL NUL NUL", "empty"},

    // FILE_ID.DIZ and .NFO files are OEM text: code page 437 here.
    {"diz_frame_and_letter", "0xC9 0xCD 0xBB 0xB3 0x82", "+-+ 0xA6 0xE9", false, "FILE_ID.DIZ", "???? 0xE9"},
    {"diz_letter", "caf 0x82", "caf 0xE9", false, "FILE_ID.DIZ"},
    {"readme_keeps_the_byte", "caf 0x82", "caf 0x82"},
    {"nfo_in_lower_case_below_a_folder", "0x81 ber", "0xFC ber", false, "docs\\notes.nfo"},
    {"diz_not_at_the_end_of_the_name", "caf 0x82", "caf 0x82", false, "FILE_ID.DIZ.TXT"},
    {"diz_holding_utf8_is_utf8", "Caf 0xC3 0xA9", "Caf 0xE9", false, "FILE_ID.DIZ"},
};
// clang-format on

} // namespace zandrel::test
