// The conversion of the text read, and the code-page conversions under it:
// with the native stand-in, and under Wine with the real calls and code
// pages 1252 and 437.

#if defined(_WIN32)
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "import/encoding/ConvertMarkedText.h"
#include "import/encoding/ConvertOemText.h"
#include "import/ImportLimits.h"
#include "import/MarkedTextRows.h"
#include "platform/CodePageConversion.h"
#include "support/SpelledBytes.h"

namespace zandrel {
namespace {

using test::MarkedTextRow;
using test::Spelled;

void ExpectLatinCodePage()
{
#if defined(_WIN32)
    ASSERT_EQ(::GetACP(), 1252u) << "the rows are spelled for code page 1252";
    ASSERT_EQ(::GetOEMCP(), 437u) << "and the OEM rows for code page 437";
#endif
}

std::string SquashDefaultRuns(const std::string& text)
{
    std::string squashed;
    for (const char c : text) {
        if (c != '?' || squashed.empty() || squashed.back() != '?') {
            squashed += c;
        }
    }
    return squashed;
}

TEST(ConvertReadText, LeavesTheConvertedText)
{
    ASSERT_NO_FATAL_FAILURE(ExpectLatinCodePage());
    for (const MarkedTextRow& row : test::MarkedTextRows) {
        SCOPED_TRACE(row.name);
        const std::string result = test::ConvertedRead(Spelled(row.read), row.fileName);
        ASSERT_LT(result.size(), ReadBufferSize) << "zero-terminated";
#if defined(_WIN32)
        const std::string expected = Spelled(row.expected);
#else
        const std::string expected = Spelled(row.standIn != nullptr ? row.standIn : row.expected);
#endif
        EXPECT_EQ(row.anyDefaultRun ? SquashDefaultRuns(result) : result, expected);
    }
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
TEST(ConvertOemText, GivesWhatOemToCharBuffAGives)
{
    ExpectLatinCodePage();
    ReadBuffer text{};
    for (std::size_t byte = 1; byte < 256; ++byte) {
        text[byte - 1] = static_cast<char>(byte);
    }
    char system[255];
    ASSERT_TRUE(::OemToCharBuffA(text.data(), system, sizeof system));

    ConvertOemText(text);

    EXPECT_EQ(std::string(text.data()), std::string(system, sizeof system));
}
#endif

} // namespace
} // namespace zandrel
