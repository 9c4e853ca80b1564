// Real files in UTF-8 and UTF-16, and .DIZ files, imported as the export does:
// with the native stand-in, and under Wine with the real conversions and
// code pages 1252 and 437. Invalid sequences and zero code units: MarkedTextRows.h.

#if defined(_WIN32)
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include <string>

#include "import/ImportFileFixture.h"
#include "import/ImportLimits.h"
#include "support/SpelledBytes.h"
#include "support/TextPieces.h"

namespace zandrel {
namespace {

using test::Letters;
using test::Repeat;
using test::Spelled;
using test::Utf16BeMark;
using test::Utf16LeMark;
using test::Utf8Mark;

// ASCII text as UTF-16 code units in either byte order.
std::string Utf16(const std::string& ascii, bool bigEndian = false)
{
    std::string bytes;
    for (const char c : ascii) {
        bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    }
    return bytes;
}

class MarkedFile : public test::ImportFileFixture {
protected:
    void SetUp() override
    {
#if defined(_WIN32)
        ASSERT_EQ(::GetACP(), 1252u) << "the expected texts are spelled for code page 1252";
        ASSERT_EQ(::GetOEMCP(), 437u);
#endif
    }
};

TEST_F(MarkedFile, Utf8LettersBecomeTheCodePagesLetters)
{
    EXPECT_EQ(ImportFile(Utf8Mark + Spelled("SP SP Gr 0xC3 0xBC 0xC3 0x9F e CR LF")),
              Spelled("Gr 0xFC 0xDF e"));
}

TEST_F(MarkedFile, Utf16InBothByteOrders)
{
    EXPECT_EQ(ImportFile(Utf16LeMark + Utf16("README")), "README");
    EXPECT_EQ(ImportFile(Utf16BeMark + Utf16("README", true)), "README");
    EXPECT_EQ(ImportFile(Utf16LeMark + Utf16(" one \r\n\r\n\ttwo\r\n")), "one\r\ntwo");
}

TEST_F(MarkedFile, AMarkAloneGivesTheEmptyDescription)
{
    for (const std::string& mark : {Utf8Mark, Utf16LeMark, Utf16BeMark}) {
        EXPECT_EQ(ImportFile(mark), "");
        EXPECT_FALSE(host_.Untouched()) << "the empty description is written";
        EXPECT_TRUE(host_.NothingPastTheZero());
    }
}

TEST_F(MarkedFile, TenThousandBytesOfUtf16GiveTheirFirst2046Characters)
{
    const std::string letters = Letters(4999);
    const std::string content = Utf16LeMark + Utf16(letters);
    ASSERT_EQ(content.size(), 10000u);
    EXPECT_EQ(ImportFile(content), letters.substr(0, 2046));
    EXPECT_EQ(ImportFile(Utf16BeMark + Utf16(letters, true)), letters.substr(0, 2046));
}

TEST_F(MarkedFile, ACharacterTheCodePageLacksBecomesItsPlainForm)
{
    // Code page 1252 has more than the stand-in's Latin-1: where their texts
    // differ, the stand-in's follows.
    const struct {
        const char* name;
        std::string content; // spelled, after the UTF-8 mark
        std::string expected;
        std::string standIn = {};
    } rows[] = {
        // clang-format off
        // ě š č ř: the bases of their decompositions, where š is 1252's own.
        {"decomposition_bases", "0xC4 0x9B 0xC5 0xA1 0xC4 0x8D 0xC5 0x99", "e 0x9A cr", "escr"},
        // ó š ß — € × © ™: each has a base or a plain form, and stays.
        {"characters_the_code_page_has_stay",
         "0xC3 0xB3 0xC5 0xA1 0xC3 0x9F 0xE2 0x80 0x94 0xE2 0x82 0xAC 0xC3 0x97 0xC2 0xA9 0xE2 0x84 0xA2",
         "0xF3 0x9A 0xDF 0x97 0x80 0xD7 0xA9 0x99", "0xF3 s 0xDF - EUR 0xD7 0xA9 (TM)"},
        // Ł ł Đ đ ı ― → ←: no decomposition.
        {"plain_forms",
         "0xC5 0x81 0xC5 0x82 0xC4 0x90 0xC4 0x91 0xC4 0xB1 0xE2 0x80 0x95 0xE2 0x86 0x92 0xE2 0x86 0x90",
         "LlDdi--><-"},
        // An em space and an ideographic space inside the line.
        {"other_spaces", "a 0xE2 0x80 0x83 b 0xE3 0x80 0x80 c", "a SP b SP c"},
        // プ decomposes to フ and a mark, and the code page lacks フ too.
        {"base_the_code_page_lacks", "a 0xE3 0x83 0x97 b", "a?b"},
        // Four ™ after 4,080 letters: the stand-in's fourth (TM) would pass the
        // 4,095 bytes, and is left out whole.
        {"plain_forms_at_the_capacity", Repeat("a", 4080) + Repeat(" 0xE2 0x84 0xA2", 4),
         Repeat("a", 4080) + " 0x99 0x99 0x99 0x99", Repeat("a", 4080) + " (TM)(TM)(TM)"},
        // clang-format on
    };
    for (const auto& row : rows) {
#if defined(_WIN32)
        const std::string& expected = row.expected;
#else
        const std::string& expected = row.standIn.empty() ? row.expected : row.standIn;
#endif
        EXPECT_EQ(ImportFile(Utf8Mark + Spelled(row.content)), Spelled(expected)) << row.name;
    }
}

TEST_F(MarkedFile, UnmarkedUtf8IsConvertedAndCodePageTextIsNot)
{
    EXPECT_EQ(ImportFile(Spelled("SP Gr 0xC3 0xBC 0xC3 0x9F e CR LF")), Spelled("Gr 0xFC 0xDF e"));
    EXPECT_EQ(ImportFile(Spelled("SP Gr 0xFC 0xDF e CR LF")), Spelled("Gr 0xFC 0xDF e"));
}

TEST_F(MarkedFile, ADizFileIsReadFromTheOemCodePage)
{
    const std::string diz = Spelled("0xC9 0xCD 0xBB CR LF 0xB3 SP caf 0x82 SP 0xB3 SP CR LF SUB");
#if defined(_WIN32)
    EXPECT_EQ(ImportFile(diz, "FILE_ID.DIZ"), Spelled("+-+ CR LF 0xA6 SP caf 0xE9 SP 0xA6"));
#else
    EXPECT_EQ(ImportFile(diz, "FILE_ID.DIZ"), Spelled("??? CR LF ? SP caf 0xE9 SP ?"));
#endif
    EXPECT_EQ(ImportFile(diz), Spelled("0xC9 0xCD 0xBB CR LF 0xB3 SP caf 0x82 SP 0xB3"));
}

TEST_F(MarkedFile, ACharacterThatTheReadCutsOffIsDropped)
{
    // The mark, or "ü" and a letter without one: 3 bytes, and what they give.
    const struct {
        std::string bytes;
        std::string converted;
    } starts[] = {{Utf8Mark, ""},
                  {"\xC3\xBC"
                   "a",
                   "\xFC"
                   "a"}};
    const std::string letters = std::string(ReadLimit - 5, 'a'); // bytes 4 to 4,093
    for (const auto& start : starts) {
        const std::string content = start.bytes + letters;
        const std::string text = start.converted + letters;
        // "ü" in bytes 4,094 and 4,095 is whole; the next one is not read.
        EXPECT_EQ(ImportFile(content + "\xC3\xBC\xC3\xBC"), text + "\xFC");
        // "ü" from byte 4,095 on has only its first byte read.
        EXPECT_EQ(ImportFile(content + "a\xC3\xBC"), text + "a");
        // "€" from byte 4,094 on has two of its three bytes read.
        EXPECT_EQ(ImportFile(content + "\xE2\x82\xAC"), text);
    }
}

TEST_F(MarkedFile, TheLineLimitCountsTheConvertedLines)
{
    limit_ = {true, 2};
    EXPECT_EQ(ImportFile(Utf16LeMark + Utf16("one\ntwo\nthree\n")), "one\r\ntwo");
    EXPECT_EQ(ImportFile(Utf8Mark + "one\r\n\xC3\xBC\r\nthree"), "one\r\n\xFC");
}

} // namespace
} // namespace zandrel
