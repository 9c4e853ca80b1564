// The Rich Text reader over documents in other code pages than windows-1252:
// the rows hold Windows' conversions, which run wherever the product does
// (MultiByteToWideChar takes the code page by number, whatever the ANSI one);
// natively the stand-in's text, U+FFFD for what it does not know, is checked.

#include <gtest/gtest.h>

#include <string>

#include "import/readers/rtf/RichText.h"
#include "import/readers/rtf/RichTextRows.h"

namespace zandrel {
namespace {

std::u16string ReadRichText(const std::string& rtf)
{
    std::u16string wide(rtf.size() + 1, u'#');
    const std::size_t length = RichTextToWide(rtf.data(), rtf.size(), wide.data(), rtf.size());
    EXPECT_EQ(wide[rtf.size()], u'#');
    return wide.substr(0, length);
}

TEST(RichTextCodePages, EachFontWritesInItsCharacterSetsCodePage)
{
    for (const test::RichTextCodePageRow& row : test::RichTextCodePageRows) {
        SCOPED_TRACE(row.name);
#if defined(_WIN32)
        const char16_t* const expected = row.text;
#else
        const char16_t* const expected = row.standIn != nullptr ? row.standIn : row.text;
#endif
        EXPECT_TRUE(ReadRichText(std::string(row.rtf)) == expected);
    }
}

// More double-byte characters in one run than the reader converts at once: no
// pair is split where it converts them in parts.
TEST(RichTextCodePages, ALongDoubleByteRunKeepsItsPairs)
{
    std::string rtf = "{\\rtf1{\\fonttbl{\\f0\\fcharset128 M;}}\\f0 a";
    std::u16string expected = u"a";
    for (int i = 0; i < 100; ++i) {
        rtf += "\\'93\\'fa";
#if defined(_WIN32)
        expected += u'\u65E5';
#else
        expected += u"\uFFFD\uFFFD";
#endif
    }
    rtf += "}";
    EXPECT_TRUE(ReadRichText(rtf) == expected);
}

} // namespace
} // namespace zandrel
