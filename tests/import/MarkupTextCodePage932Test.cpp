// The web pages, Markdown and reStructuredText files of MarkupTextRows.h under the real code
// page 932: the same text, Japanese kept, and the rows' other expectations
// where a character becomes another in Shift-JIS.

#include <windows.h>

#include <gtest/gtest.h>

#include "import/ImportFileFixture.h"
#include "import/MarkupTextRows.h"
#include "import/readers/rtf/RichTextRows.h"
#include "support/CodePage932.h"

namespace zandrel {
namespace {

using test::MarkupTextRow;

class MarkupFile932 : public test::OnCodePage932<test::ImportFileFixture> {
protected:
    void ExpectRows(const MarkupTextRow* begin, const MarkupTextRow* end)
    {
        for (const MarkupTextRow* row = begin; row != end; ++row) {
            SCOPED_TRACE(row->name);
            EXPECT_EQ(ImportFile(std::string(row->read), row->fileName),
                      row->expected932 != nullptr ? row->expected932 : row->expected);
        }
    }
};

TEST_F(MarkupFile932, WebPagesGiveTheirText)
{
    ExpectRows(std::begin(test::HtmlTextRows), std::end(test::HtmlTextRows));
}

TEST_F(MarkupFile932, MarkdownFilesGiveTheirText)
{
    ExpectRows(std::begin(test::MarkdownTextRows), std::end(test::MarkdownTextRows));
}

TEST_F(MarkupFile932, RestructuredTextFilesGiveTheirText)
{
    ExpectRows(std::begin(test::RestructuredTextRows), std::end(test::RestructuredTextRows));
}

// Rich Text documents: a Japanese font's text shows as Japanese, and a
// Western one's letters that Shift-JIS lacks take their plain forms.
TEST_F(MarkupFile932, RichTextDocumentsGiveTheirText)
{
    for (const test::RichTextFileRow& row : test::RichTextFileRows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ImportFile(std::string(row.read), row.fileName),
                  row.expected932 != nullptr ? row.expected932 : row.expected);
    }
}

} // namespace
} // namespace zandrel
