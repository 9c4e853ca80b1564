// The trip through wide text: the decoding of each encoding, and the way back
// to ANSI, with the native stand-in, and under Wine with the real calls and
// code pages 1252 and 437.

#if defined(_WIN32)
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "import/ImportLimits.h"
#include "import/encoding/WideText.h"
#include "platform/CodePageConversion.h"
#include "support/SpelledBytes.h"

namespace zandrel {
namespace {

using test::Spelled;

void ExpectLatinCodePage()
{
#if defined(_WIN32)
    ASSERT_EQ(::GetACP(), 1252u) << "the rows are spelled for code page 1252";
    ASSERT_EQ(::GetOEMCP(), 437u) << "and the OEM rows for code page 437";
#endif
}

// What each encoding decodes to: where the text ends, and what of a character
// cut off by the read or by a zero goes. The rows hold for code page 1252
// and the stand-in alike.
struct DecodeRow {
    const char* name;
    const char* read; // spelled: the bytes read
    TextEncoding encoding;
    std::u16string expected;
};

using Kind = TextEncoding::Kind;

// clang-format off
const DecodeRow DecodeRows[] = {
    {"utf8_after_its_mark", "0xEF 0xBB 0xBF Caf 0xC3 0xA9", {Kind::Utf8, 3}, u"Caf\u00E9"},
    {"utf8_mark_only", "0xEF 0xBB 0xBF", {Kind::Utf8, 3}, u""},
    {"utf8_ends_at_the_first_zero", "a 0xC3 0xA9 NUL b", {Kind::Utf8}, u"a\u00E9"},
    {"utf8_cut_off_last_character_goes", "a 0xE2 0x82", {Kind::Utf8}, u"a"},
    {"utf8_cut_off_before_a_zero_is_invalid", "a 0xE2 NUL", {Kind::Utf8}, u"a\uFFFD"},
    {"utf16le_after_its_mark", "0xFF 0xFE a NUL 0xE9 NUL", {Kind::Utf16LittleEndian, 2}, u"a\u00E9"},
    {"utf16be_after_its_mark", "0xFE 0xFF NUL a 0x20 0xAC", {Kind::Utf16BigEndian, 2}, u"a\u20AC"},
    {"utf16_lone_last_byte_goes", "0xFF 0xFE a NUL b", {Kind::Utf16LittleEndian, 2}, u"a"},
    {"utf16_high_surrogate_last_goes", "0xFF 0xFE a NUL 0x3D 0xD8", {Kind::Utf16LittleEndian, 2}, u"a"},
    {"utf16_ends_at_a_zero_unit", "0xFF 0xFE a NUL NUL NUL b NUL", {Kind::Utf16LittleEndian, 2}, u"a"},
    {"windows_1252_high_letters", "0x80 SP 0xE9", {Kind::CodePage, 0, TextCodePage::Windows1252}, u"\u20AC \u00E9"},
    {"code_page_ends_at_the_first_zero", "ab NUL cd", {Kind::CodePage, 0, TextCodePage::Windows1252}, u"ab"},
    {"shift_jis_lone_last_lead_byte_goes", "ab 0x82", {Kind::CodePage, 0, TextCodePage::ShiftJis}, u"ab"},
    {"ansi_code_page_letters", "Gr 0xFC 0xDF e", {Kind::CodePage, 0, TextCodePage::Ansi}, u"Gr\u00FC\u00DFe"},
    {"oem_letters", "0x81 0x84 NUL 0x94", {Kind::Oem}, u"\u00FC\u00E4"},
};
// clang-format on

TEST(DecodeToWide, DecodesEachEncodingUpToItsEnd)
{
    ASSERT_NO_FATAL_FAILURE(ExpectLatinCodePage());
    for (const DecodeRow& row : DecodeRows) {
        SCOPED_TRACE(row.name);
        const std::string bytes = Spelled(row.read);
        ReadBuffer text{};
        std::memcpy(text.data(), bytes.data(), bytes.size());
        WideTextBuffer wide;
        wide.fill(u'#');
        const std::size_t units = DecodeToWide(text, bytes.size(), row.encoding, wide);
        EXPECT_EQ(std::u16string(wide.data(), units), row.expected);
        EXPECT_EQ(wide[bytes.size()], u'#') << "never more units than bytes";
    }
}

// Text that needs no conversion, or that its reader decodes, takes nothing
// from the decoding: the wide buffer stays as it was.
TEST(DecodeToWide, WritesNothingForTextAsReadOrDecodedByItsReader)
{
    for (const Kind kind : {Kind::AsRead, Kind::ReaderDecodes}) {
        ReadBuffer text{};
        std::memcpy(text.data(), "Gr\xFC\xDF" "e", 5);
        WideTextBuffer wide;
        wide.fill(u'#');
        EXPECT_EQ(DecodeToWide(text, 5, TextEncoding{kind}, wide), 0u);
        EXPECT_EQ(wide[0], u'#');
        EXPECT_STREQ(text.data(), "Gr\xFC\xDF" "e");
    }
}

// The way back replaces the whole text, zero-terminated, however long it was.
TEST(EncodeToAnsi, ReplacesTheWholeText)
{
    ASSERT_NO_FATAL_FAILURE(ExpectLatinCodePage());
    ReadBuffer text;
    text.fill('x');
    const std::u16string wide = u"Caf\u00E9 \u2192 \u2500";
    EncodeToAnsi(text, wide.data(), wide.size(), Unmappable::DefaultCharacter);
    EXPECT_STREQ(text.data(), "Caf\xE9 -> ?");
}

// WideToAnsi writes whole characters only, as many as fit.
struct FitRow {
    const char* name;
    std::u16string wide;
    std::size_t capacity;
    const char* expected; // spelled
};

const FitRow FitRows[] = {
    {"all_fit", u"abc", 3, "abc"},
    {"cut_to_capacity", u"abcdef", 4, "abcd"},
    {"no_room", u"abc", 0, "empty"},
    {"nothing_to_convert", u"", 8, "empty"},
    {"latin_letters", u"Gr\u00FC\u00DFe", 8, "Gr 0xFC 0xDF e"},
    // A pair is one character: one default character.
    {"pair_is_one_character", u"a\U0001F600b", 2, "a ?"},
    // → is "->": whole or not at all.
    {"plain_form_is_not_split", u"a\u2192", 2, "a"},
    {"plain_form_fits", u"a\u2192", 3, "a->"},
    {"lone_surrogates",
     u"\xD83D"
     u"a\xDE00",
     8, "? a ?"},
};

TEST(WideToAnsi, WritesWholeCharactersWithinTheCapacity)
{
    ASSERT_NO_FATAL_FAILURE(ExpectLatinCodePage());
    for (const FitRow& row : FitRows) {
        SCOPED_TRACE(row.name);
        char out[16];
        std::memset(out, '#', sizeof out);
        const std::size_t written = WideToAnsi(row.wide.data(), row.wide.size(), out, row.capacity);
        EXPECT_EQ(std::string(out, written), Spelled(row.expected));
        EXPECT_EQ(std::string(out + row.capacity, sizeof out - row.capacity),
                  std::string(sizeof out - row.capacity, '#'))
            << "nothing written past the capacity";
    }
}

#if defined(_WIN32)
// Every byte of the OEM code page converts as OemToCharBuffA converts it, the
// look-alikes included.
TEST(DecodeToWide, OemTextGivesWhatOemToCharBuffAGives)
{
    ExpectLatinCodePage();
    ReadBuffer text{};
    for (std::size_t byte = 1; byte < 256; ++byte) {
        text[byte - 1] = static_cast<char>(byte);
    }
    char system[255];
    ASSERT_TRUE(::OemToCharBuffA(text.data(), system, sizeof system));

    WideTextBuffer wide;
    const std::size_t units =
        DecodeToWide(text, 255, TextEncoding{TextEncoding::Kind::Oem}, wide);
    EncodeToAnsi(text, wide.data(), units, Unmappable::LookAlike);

    EXPECT_EQ(std::string(text.data()), std::string(system, sizeof system));
}
#endif

} // namespace
} // namespace zandrel
