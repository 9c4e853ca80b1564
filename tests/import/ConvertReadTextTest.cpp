// The conversion step of the import on texts with a byte-order mark, UTF-8
// without one and the OEM text of .DIZ and .NFO files: with the native
// stand-in, and under Wine with the real calls and code pages 1252 and 437.

#if defined(_WIN32)
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include <string>

#include "import/ImportLimits.h"
#include "import/MarkedTextRows.h"
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

} // namespace
} // namespace zandrel
