// Files in UTF-8 and UTF-16, and .DIZ files, under the real code page 932 that
// Wine gives under LC_ALL=ja_JP.UTF-8: Japanese text becomes Shift-JIS, and
// Shift-JIS and OEM text (the OEM code page is 932 too) stay as they are.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "import/ImportFileFixture.h"
#include "import/MarkedTextRows.h"
#include "platform/CodePageConversion.h"
#include "support/CodePage932.h"
#include "support/SpelledBytes.h"
#include "support/TextPieces.h"

namespace zandrel {
namespace {

using test::Repeat;
using test::Utf8Mark;

// 日本語 in UTF-8, and in Shift-JIS.
const std::string NihongoUtf8 = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E";
const std::string NihongoShiftJis = "\x93\xFA\x96\x7B\x8C\xEA";
// あ in UTF-8, and in Shift-JIS.
const std::string AUtf8 = "\xE3\x81\x82";
const std::string AShiftJis = "\x82\xA0";

using MarkedFile932 = test::OnCodePage932<test::ImportFileFixture>;
using Convert932 = test::OnCodePage932<>;

TEST_F(MarkedFile932, Utf8JapaneseBecomesShiftJis)
{
    EXPECT_EQ(ImportFile(Utf8Mark + "  " + NihongoUtf8 + "\r\n"), NihongoShiftJis);
}

TEST_F(MarkedFile932, Utf16JapaneseBecomesShiftJis)
{
    // U+65E5 U+672C U+8A9E
    EXPECT_EQ(ImportFile(test::Utf16LeMark + "\xE5\x65\x2C\x67\x9E\x8A"), NihongoShiftJis);
    EXPECT_EQ(ImportFile(test::Utf16BeMark + "\x65\xE5\x67\x2C\x8A\x9E"), NihongoShiftJis);
}

TEST_F(MarkedFile932, ACharacterTheCodePageLacksBecomesItsPlainForm)
{
    const struct {
        const char* name;
        std::string content; // spelled, after the UTF-8 mark
        std::string expected;
    } rows[] = {
        // ë ç É é: the bases of their decompositions.
        {"noe", "No 0xC3 0xAB", "Noe"},
        {"facade", "Fa 0xC3 0xA7 ade", "Facade"},
        {"elements", "0xC3 0x89 l 0xC3 0xA9 ments", "Elements"},
        // ß, and ü's base.
        {"masse", "Ma 0xC3 0x9F e Gr 0xC3 0xBC 0xC3 0x9F e", "Masse Grusse"},
        {"copyright", "0xC2 0xA9 SP 2024", "(C) SP 2024"},
        // — and – are plain dashes; ― is the code page's own.
        {"dashes", "a 0xE2 0x80 0x94 b 0xE2 0x80 0x93 c 0xE2 0x80 0x95", "a-b-c 0x81 0x5C"},
        // × ‘ ’ “ ” … → ← have plain forms, and stay.
        {"signs_the_code_page_has_stay",
         "0xC3 0x97 0xE2 0x80 0x98 0xE2 0x80 0x99 0xE2 0x80 0x9C 0xE2 0x80 0x9D 0xE2 0x80 0xA6 "
         "0xE2 0x86 0x92 0xE2 0x86 0x90",
         "0x81 0x7E 0x81 0x65 0x81 0x66 0x81 0x67 0x81 0x68 0x81 0x63 0x81 0xA8 0x81 0xA9"},
        // ガ プ 日: the Japanese text, its voiced kana too, stays.
        {"japanese_stays", "0xE3 0x82 0xAC 0xE3 0x83 0x97 0xE6 0x97 0xA5",
         "0x83 0x4B 0x83 0x76 0x93 0xFA"},
        // ™ € ‚ „ • Œ æ Ø Ł đ ı, and a no-break space inside the line.
        {"plain_forms",
         "0xE2 0x84 0xA2 0xE2 0x82 0xAC 0xE2 0x80 0x9A 0xE2 0x80 0x9E 0xE2 0x80 0xA2 0xC5 0x92 "
         "0xC3 0xA6 0xC3 0x98 0xC5 0x81 0xC4 0x91 0xC4 0xB1 0xC2 0xA0 a",
         "(TM)EUR'\"*OEaeOLdi SP a"},
        {"emoji", "a 0xF0 0x9F 0x98 0x80 b", "a?b"},
        // The last (TM) would end past the 4,095 bytes, and is left out whole.
        {"plain_form_at_the_capacity", "a" + Repeat(" 0xE2 0x84 0xA2", 1024),
         "a" + Repeat("(TM)", 1023)},
        // あ would have its first byte at 4,095 and its second past it.
        {"double_byte_character_at_the_capacity",
         Repeat("0xE2 0x84 0xA2 ", 1023) + "ab 0xE3 0x81 0x82", Repeat("(TM)", 1023) + "ab"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ImportFile(Utf8Mark + test::Spelled(row.content)), test::Spelled(row.expected))
            << row.name;
    }
}

TEST_F(MarkedFile932, ACharacterThatTheReadCutsOffIsDropped)
{
    const std::string letter = "a";
    // After the mark and "a", 4,091 bytes are read: 1,363 whole characters of
    // three bytes, and two bytes of the next.
    EXPECT_EQ(ImportFile(Utf8Mark + letter + Repeat(AUtf8, 2000)),
              letter + Repeat(AShiftJis, 1363));
    // 4,092 bytes: 1,364 whole characters.
    EXPECT_EQ(ImportFile(Utf8Mark + Repeat(AUtf8, 2000)), Repeat(AShiftJis, 1364));
}

TEST_F(MarkedFile932, AConvertedTrailByte0x5CIsPartOfItsCharacter)
{
    // ソ is 0x83 0x5C, and 表 0x95 0x5C; the trail bytes stay with their leads.
    EXPECT_EQ(ImportFile(Utf8Mark + "\xE3\x82\xBD\xE8\xA1\xA8 \r\n"), "\x83\x5C\x95\x5C");
}

TEST_F(Convert932, ReadTextJudgesTheTextAndTheName)
{
    ASSERT_EQ(::GetOEMCP(), 932u);
    const struct {
        const char* name;
        std::string read;
        const char* fileName;
        std::string expected;
    } rows[] = {
        {"utf8_without_a_mark", NihongoUtf8, "README.TXT", NihongoShiftJis},
        {"shift_jis_stays", NihongoShiftJis, "README.TXT", NihongoShiftJis},
        {"diz_stays", "caf\x82\xA0\xC9\xCD\xBB", "FILE_ID.DIZ", "caf\x82\xA0\xC9\xCD\xBB"},
        {"diz_holding_utf8", NihongoUtf8, "FILE_ID.DIZ", NihongoShiftJis},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(test::ConvertedRead(row.read, row.fileName), row.expected) << row.name;
    }
}

TEST_F(Convert932, WideToAnsiWritesOnlyWholeDoubleByteCharacters)
{
    const std::u16string wide = u"a\u3042\u3044"; // a あ い
    char out[8];
    EXPECT_EQ(std::string(out, WideToAnsi(wide.data(), wide.size(), out, 5)), "a\x82\xA0\x82\xA2");
    EXPECT_EQ(std::string(out, WideToAnsi(wide.data(), wide.size(), out, 4)), "a\x82\xA0");
    EXPECT_EQ(std::string(out, WideToAnsi(wide.data(), wide.size(), out, 2)), "a");
    // © is (C): あ after it takes bytes 5 and 6, or is left out.
    const std::u16string plain = u"a\u00A9\u3042";
    EXPECT_EQ(std::string(out, WideToAnsi(plain.data(), plain.size(), out, 6)), "a(C)\x82\xA0");
    EXPECT_EQ(std::string(out, WideToAnsi(plain.data(), plain.size(), out, 5)), "a(C)");
}

} // namespace
} // namespace zandrel
