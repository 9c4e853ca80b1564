// Web pages, Markdown and reStructuredText files imported as the export does: natively with the
// stand-in, and under Wine with code page 1252.

#if defined(_WIN32)
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include "import/ImportFileFixture.h"
#include "import/MarkupTextRows.h"

namespace zandrel {
namespace {

using test::MarkupTextRow;

class MarkupFile : public test::ImportFileFixture {
protected:
    void SetUp() override
    {
#if defined(_WIN32)
        ASSERT_EQ(::GetACP(), 1252u) << "the expected texts are for code page 1252";
#endif
    }

    void ExpectRows(const MarkupTextRow* begin, const MarkupTextRow* end)
    {
        for (const MarkupTextRow* row = begin; row != end; ++row) {
            SCOPED_TRACE(row->name);
#if defined(_WIN32)
            const char* const expected = row->expected;
#else
            const char* const expected = row->standIn != nullptr ? row->standIn : row->expected;
#endif
            EXPECT_EQ(ImportFile(std::string(row->read), row->fileName), expected);
        }
    }
};

TEST_F(MarkupFile, WebPagesGiveTheirText)
{
    ExpectRows(std::begin(test::HtmlTextRows), std::end(test::HtmlTextRows));
}

TEST_F(MarkupFile, MarkdownFilesGiveTheirText)
{
    ExpectRows(std::begin(test::MarkdownTextRows), std::end(test::MarkdownTextRows));
}

TEST_F(MarkupFile, RestructuredTextFilesGiveTheirText)
{
    ExpectRows(std::begin(test::RestructuredTextRows), std::end(test::RestructuredTextRows));
}

} // namespace
} // namespace zandrel
