// Character references and the choice of a text's reader: pure functions, the
// same in every build.

#include <gtest/gtest.h>

#include <string>

#include "import/readers/shared/CharacterReferences.h"
#include "import/ChooseTextReader.h"

namespace zandrel {
namespace {

struct ReferenceRow {
    const char16_t* text; // starts with '&'
    std::size_t spans;    // 0: no reference
    char32_t code;
};

const ReferenceRow ReferenceRows[] = {
    {u"&amp;x", 5, U'&'},
    {u"&eacute;", 8, U'\u00E9'},
    {u"&Eacute;", 8, U'\u00C9'},
    {u"&thetasym;", 10, U'\u03D1'},   // the longest name
    {u"&zwnj;", 6, U'\u200C'},        // the last name in the table
    {u"&AElig;", 7, U'\u00C6'},       // the first
    {u"&apos;", 6, U'\''},
    {u"&#233;", 6, U'\u00E9'},
    {u"&#xE9;", 6, U'\u00E9'},
    {u"&#X1F600;", 9, U'\U0001F600'},
    {u"&#150;", 6, U'\u2013'},        // a windows-1252 byte, as browsers take it
    {u"&#129;", 6, U'\u0081'},        // a byte windows-1252 leaves undefined
    {u"&#0;", 4, U'\uFFFD'},
    {u"&#xD800;", 8, U'\uFFFD'},
    {u"&#x110000;", 10, U'\uFFFD'},
    {u"&#1234567;", 10, U'\uFFFD'},
    {u"&#12345678;", 0, 0},           // too many digits
    {u"&#x1234567;", 0, 0},
    {u"&#;", 0, 0},
    {u"&#x;", 0, 0},
    {u"&#12a;", 0, 0},
    {u"&T", 0, 0},                    // AT&T
    {u"& amp;", 0, 0},
    {u"&amp", 0, 0},                  // no ';' before the end
    {u"&EACUTE;", 0, 0},              // names keep their case
    {u"&thetasymx;", 0, 0},           // longer than any name
    {u"&madeup;", 0, 0},
};

TEST(CharacterReferences, DecodesOnlyWholeKnownReferences)
{
    for (const ReferenceRow& row : ReferenceRows) {
        const std::u16string text(row.text);
        SCOPED_TRACE(std::string(text.begin(), text.end()));
        char32_t code = U'#';
        EXPECT_EQ(DecodeCharacterReference(text.data(), text.data() + text.size(), code), row.spans);
        EXPECT_EQ(code, row.spans == 0 ? U'#' : row.code);
        if (row.spans > 0) { // cut one unit short, the reference is not whole
            EXPECT_EQ(DecodeCharacterReference(text.data(), text.data() + row.spans - 1, code), 0u);
        }
    }
}

struct ShownRow {
    char32_t code;
    char32_t inPage; // 0: nothing
    char32_t inLine;
};

const ShownRow ShownRows[] = {
    {U'a', U'a', U'a'},
    {U' ', U' ', U' '},
    {U'\t', U'\t', U' '},
    {U'\n', U'\n', U' '},           // a line break in <pre>
    {U'\r', U' ', U' '},             // never one
    {U'\f', U' ', U' '},
    {0x01, 0, 0},
    {0x08, 0, 0},
    {0x0B, 0, 0},                   // VT is no white space of HTML's
    {0x1F, 0, 0},
    {0x7F, 0, 0},
    {0x81, 0, 0},                   // what windows-1252 leaves undefined stays a control
    {0x9F, 0, 0},
    {0xA0, 0xA0, 0xA0},
    {0x2028, 0x2028, 0x2028},
    {0xFFFD, 0xFFFD, 0xFFFD},       // a reference to nothing shows its mark
    {0x1F600, 0x1F600, 0x1F600},
};

TEST(CharacterReferences, ControlsShowAsWhiteSpaceOrNothing)
{
    for (const ShownRow& row : ShownRows) {
        SCOPED_TRACE(testing::Message() << "U+" << std::hex << static_cast<unsigned>(row.code));
        EXPECT_EQ(ShownInPage(row.code), row.inPage);
        EXPECT_EQ(ShownInLine(row.code), row.inLine);
    }
}

struct ReaderRow {
    const char* name;
    std::string bytes;
    TextReader reader;
};

const ReaderRow ReaderRows[] = {
    {"README.HTM", "Plain words", TextReader::Html},
    {"docs\\index.Html", "", TextReader::Html},
    {"page.xhtml", "", TextReader::Html},
    {"page.SHTML", "", TextReader::Html},
    {"README.TXT", "  \r\n<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">", TextReader::Html},
    {"README.TXT", "<html>", TextReader::Html},
    {"README.TXT", "<HTML lang=en>", TextReader::Html},
    {"README", "\xEF\xBB\xBF<html>", TextReader::Html},
    {"README", std::string("\xFF\xFE<\0h\0t\0m\0l\0>\0", 14), TextReader::Html},
    {"README", std::string("\xFE\xFF\0<\0!\0d\0o\0c\0t\0y\0p\0e\0 \0h\0t\0m\0l\0>", 32), TextReader::Html},
    {"README.md", "# Title", TextReader::Markdown},
    {"notes.MARKDOWN", "", TextReader::Markdown},
    {"a.mdown", "", TextReader::Markdown},
    {"a.mkd", "", TextReader::Markdown},
    {"README.rst", "Title\n=====", TextReader::RestructuredText},
    {"docs\\INDEX.RST", "", TextReader::RestructuredText},
    {"notes.Rest", "", TextReader::RestructuredText},
    {"README.rst", "<html>", TextReader::Html}, // a web page by its start, whatever its name
    // Look-alikes stay as read.
    {"README.TXT", "<htmlx>", TextReader::AsRead},
    {"README.TXT", "<html", TextReader::AsRead}, // the read ends inside the word
    {"README.TXT", "Press <Ctrl> and <b>; &amp;", TextReader::AsRead},
    {"README.TXT", "x <html>", TextReader::AsRead},
    {"README.TXT", "<!DOCTYPE note>", TextReader::AsRead},
    {"README.TXT", "# heading and **stars**", TextReader::AsRead},
    {"README.HTM.TXT", "", TextReader::AsRead},
    {"README.mdx", "", TextReader::AsRead},
    {"README.TXT", ".. note::\n\n   |x| ====", TextReader::AsRead},
    {"README.rst.txt", "", TextReader::AsRead},
    {"README.rs", "", TextReader::AsRead},
    {"README.restx", "", TextReader::AsRead},
    {"rst", "", TextReader::AsRead},
    {"FILE_ID.DIZ", "", TextReader::AsRead},
};

TEST(ChooseTextReader, ByNameOrByTheStartOfTheText)
{
    for (const ReaderRow& row : ReaderRows) {
        SCOPED_TRACE(std::string(row.name) + " / " + row.bytes);
        EXPECT_EQ(ChooseTextReader(row.name, row.bytes.data(), row.bytes.size()), row.reader);
    }
}

} // namespace
} // namespace zandrel
