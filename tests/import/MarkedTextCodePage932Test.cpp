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

TEST_F(MarkedFile932, LettersThatTheCodePageLacksBecomeItsDefaultCharacter)
{
    // No look-alike: ü and ß are not shown as u and s.
    EXPECT_EQ(ImportFile(Utf8Mark + "Gr\xC3\xBC\xC3\x9F" + "e"), "Gr??e");
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
}

} // namespace
} // namespace zandrel
