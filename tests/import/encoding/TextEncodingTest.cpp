// The one decision of a text's encoding, by its bytes, its name, what its
// reader takes and the charset the reader found: natively, and under Wine with
// code page 1252 (OEM code page 437), where the rows hold alike.

#if defined(_WIN32)
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "import/encoding/TextEncoding.h"
#include "support/SpelledBytes.h"

namespace zandrel {
namespace {

using test::Spelled;
using Kind = TextEncoding::Kind;

constexpr ReaderInput Ansi = ReaderInput::AnsiText;
constexpr ReaderInput Wide = ReaderInput::WideText;
constexpr ReaderInput Bytes = ReaderInput::Bytes;
constexpr std::optional<TextCodePage> NoCharset;

struct DecisionRow {
    const char* name;
    const char* read; // spelled
    const char* fileName;
    ReaderInput input;
    std::optional<TextCodePage> declared;
    TextEncoding expected;
};

// clang-format off
const DecisionRow DecisionRows[] = {
    {"plain_ascii_as_read", "plain SP text CR LF", "README.TXT", Ansi, NoCharset, {Kind::AsRead}},
    {"code_page_letters_as_read", "Gr 0xFC 0xDF e", "README.TXT", Ansi, NoCharset, {Kind::AsRead}},
    {"utf8_mark", "0xEF 0xBB 0xBF Caf 0xC3 0xA9", "README.TXT", Ansi, NoCharset, {Kind::Utf8, 3}},
    {"utf8_mark_alone", "0xEF 0xBB 0xBF", "README.TXT", Ansi, NoCharset, {Kind::Utf8, 3}},
    {"two_bytes_of_the_utf8_mark", "0xEF 0xBB a", "README.TXT", Ansi, NoCharset, {Kind::AsRead}},
    {"utf16_little_endian_mark", "0xFF 0xFE a NUL", "README.TXT", Ansi, NoCharset, {Kind::Utf16LittleEndian, 2}},
    {"utf16_big_endian_mark", "0xFE 0xFF NUL a", "README.TXT", Ansi, NoCharset, {Kind::Utf16BigEndian, 2}},
    {"one_byte_of_a_utf16_mark", "0xFF", "README.TXT", Ansi, NoCharset, {Kind::AsRead}},
    // Without a mark, UTF-8 that holds a character of more than one byte.
    {"unmarked_utf8", "Caf 0xC3 0xA9", "README.TXT", Ansi, NoCharset, {Kind::Utf8}},
    {"unmarked_utf8_cut_off_at_the_end", "Caf 0xC3 0xA9 0xE2 0x82", "README.TXT", Ansi, NoCharset, {Kind::Utf8}},
    {"utf8_in_a_diz_is_never_oem", "0xE2 0x94 0x80 file", "FILE_ID.DIZ", Ansi, NoCharset, {Kind::Utf8}},
    {"oem_by_name_diz", "0xC9 0xCD 0xBB", "FILE_ID.DIZ", Ansi, NoCharset, {Kind::Oem}},
    {"oem_by_name_nfo_any_case", "0xDB", "release.nfo", Ansi, NoCharset, {Kind::Oem}},
    {"ascii_diz_is_oem_too", "ascii", "file_id.diz", Ansi, NoCharset, {Kind::Oem}},
    {"diz_inside_the_name_is_no_ending", "0xC9", "FILE_ID.DIZ.TXT", Ansi, NoCharset, {Kind::AsRead}},
    {"marked_diz_is_utf16", "0xFF 0xFE a NUL", "FILE_ID.DIZ", Ansi, NoCharset, {Kind::Utf16LittleEndian, 2}},
    // A reader of wide text: its charset, else UTF-8, else the ANSI code page.
    {"wide_reader_ascii_in_the_ansi_code_page", "<p>text</p>", "index.html", Wide, NoCharset, {Kind::CodePage, 0, TextCodePage::Ansi}},
    {"wide_reader_utf8", "<p>Caf 0xC3 0xA9", "index.html", Wide, NoCharset, {Kind::Utf8}},
    {"wide_reader_declared_shift_jis", "<p>0x82 0xA0", "index.html", Wide, TextCodePage::ShiftJis, {Kind::CodePage, 0, TextCodePage::ShiftJis}},
    {"wide_reader_declared_latin_over_utf8", "<p>Caf 0xC3 0xA9", "index.html", Wide, TextCodePage::Windows1252, {Kind::CodePage, 0, TextCodePage::Windows1252}},
    {"wide_reader_declared_utf8", "<p>Caf 0xE9", "index.html", Wide, TextCodePage::Utf8, {Kind::Utf8}},
    {"wide_reader_mark_over_declared", "0xEF 0xBB 0xBF <p>", "index.html", Wide, TextCodePage::ShiftJis, {Kind::Utf8, 3}},
    {"wide_reader_of_a_diz_is_no_oem", "<html>0xC9", "FILE_ID.DIZ", Wide, NoCharset, {Kind::CodePage, 0, TextCodePage::Ansi}},
    // A reader of the bytes decodes them itself, mark and all.
    {"bytes_reader_decodes", "{\\rtf1 0xE9}", "README.RTF", Bytes, NoCharset, {Kind::ReaderDecodes}},
    {"bytes_reader_decodes_a_marked_text", "0xEF 0xBB 0xBF {\\rtf1}", "README.RTF", Bytes, NoCharset, {Kind::ReaderDecodes}},
};
// clang-format on

TEST(DecideTextEncoding, TakesTheMarkThenTheCharsetThenUtf8ThenOemThenAnsi)
{
#if defined(_WIN32)
    ASSERT_EQ(::GetACP(), 1252u);
    ASSERT_EQ(::GetOEMCP(), 437u);
#endif
    for (const DecisionRow& row : DecisionRows) {
        SCOPED_TRACE(row.name);
        const std::string bytes = Spelled(row.read);
        const TextEncoding found =
            DecideTextEncoding(bytes.c_str(), bytes.size(), row.fileName, row.input, row.declared);
        EXPECT_EQ(static_cast<int>(found.kind), static_cast<int>(row.expected.kind));
        EXPECT_EQ(found.skip, row.expected.skip);
        EXPECT_EQ(found.codePage, row.expected.codePage);
    }
}

} // namespace
} // namespace zandrel
