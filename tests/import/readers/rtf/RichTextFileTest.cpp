// Rich Text documents through the whole import, as the export does: natively
// with the stand-in, and under Wine with code page 1252; and the choice of the
// reader by a file's start.

#if defined(_WIN32)
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include <string>

#include "import/BinaryFormatSignatures.h"
#include "import/ChooseTextReader.h"
#include "import/ImportFileFixture.h"
#include "import/ImportLimits.h"
#include "import/readers/rtf/RichTextRows.h"

namespace zandrel {
namespace {

using namespace std::string_view_literals;
using test::RichTextFileRow;

struct ChoiceRow {
    const char* name;
    std::string_view bytes;
    TextReader reader;
};

// clang-format off
const ChoiceRow ChoiceRows[] = {
    {"README.RTF", "{\\rtf1\\ansi x}"sv, TextReader::RichText},
    {"readme.Rtf", "{\\rtf0"sv, TextReader::RichText},
    {"README.TXT", "{\\rtf1 x}"sv, TextReader::RichText},        // whatever the name
    {"index.html", "{\\rtf1 x}"sv, TextReader::RichText},
    {"README.md", "{\\rtf"sv, TextReader::RichText},
    {"README.RTF", "{\\rt"sv, TextReader::AsRead},               // too short to tell
    {"README.RTF", "Plain text"sv, TextReader::AsRead},
    {"README.RTF", "\xEF\xBB\xBF{\\rtf1 x}"sv, TextReader::AsRead}, // the start is the mark
    {"README.RTF", "{\\RTF1 x}"sv, TextReader::AsRead},
    {"README.RTF", "<html><body>x"sv, TextReader::Html},
    {"README.TXT", "see {\\rtf1 x}"sv, TextReader::AsRead},
};
// clang-format on

TEST(RichTextChoice, ByTheStartOfTheBytesWhateverTheName)
{
    for (const ChoiceRow& row : ChoiceRows) {
        SCOPED_TRACE(std::string(row.name) + " / " + std::string(row.bytes));
        EXPECT_EQ(ChooseTextReader(row.name, row.bytes.data(), row.bytes.size()), row.reader);
        EXPECT_EQ(BinaryFormatAtStart(row.bytes.data(), row.bytes.size()), nullptr);
    }
}

class RichTextFile : public test::ImportFileFixture {
protected:
    void SetUp() override
    {
#if defined(_WIN32)
        ASSERT_EQ(::GetACP(), 1252u) << "the expected texts are for code page 1252";
#endif
    }
};

TEST_F(RichTextFile, DocumentsGiveTheTextTheyShow)
{
    for (const RichTextFileRow& row : test::RichTextFileRows) {
        SCOPED_TRACE(row.name);
#if defined(_WIN32)
        const char* const expected = row.expected;
#else
        const char* const expected = row.standIn != nullptr ? row.standIn : row.expected;
#endif
        EXPECT_EQ(ImportFile(std::string(row.read), row.fileName), expected);
    }
}

// The line limit counts the lines shown, not those of the file.
TEST_F(RichTextFile, TheLineLimitCountsShownLines)
{
    limit_ = LineLimit{true, 2};
    EXPECT_EQ(ImportFile("{\\rtf1{\\info{\\title T}}\r\n\\par\\par one\\par\r\n\\par two\\par three\\par}",
                         "README.RTF"),
              "one\r\ntwo");
}

// A document whose font table fills the whole read gives no description.
TEST_F(RichTextFile, AHeaderThatFillsTheReadGivesNoDescription)
{
    std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl";
    for (int font = 0; rtf.size() < 2 * ReadLimit; ++font) {
        rtf += "{\\f" + std::to_string(font) + "\\fswiss\\fcharset0 Arial;}";
    }
    rtf += "}Text\\par}";
    EXPECT_EQ(ImportFile(rtf, "README.RTF"), "");
}

} // namespace
} // namespace zandrel
