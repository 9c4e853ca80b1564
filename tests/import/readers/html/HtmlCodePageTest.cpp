// The code page a web page names for itself in its <meta>: pure, the same in
// every build.

#include <gtest/gtest.h>

#include <string_view>

#include "import/readers/html/HtmlCodePage.h"

namespace zandrel {
namespace {

using namespace std::string_view_literals;

struct DeclarationRow {
    std::string_view bytes;
    bool found;
    TextCodePage codePage; // where found
    std::size_t count = 0; // of the bytes read, where fewer than all
};

constexpr TextCodePage Utf8 = TextCodePage::Utf8;
constexpr TextCodePage Latin = TextCodePage::Windows1252;
constexpr TextCodePage Japanese = TextCodePage::ShiftJis;
constexpr TextCodePage Untouched = TextCodePage::Ansi; // never found, so the sentinel

// clang-format off
const DeclarationRow DeclarationRows[] = {
    {"<meta charset=\"utf-8\">"sv, true, Utf8},
    {"<META CHARSET=UTF8>"sv, true, Utf8},
    {"<meta\ncharset = '  Shift_JIS '>"sv, true, Japanese},
    {"<meta charset=ascii />"sv, true, Latin},
    {"<meta charset=ascii/>"sv, false, Untouched},                 // the value is "ascii/"
    {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">"sv, true, Latin},
    {"<META CONTENT='text/html;charset=Windows-31J' HTTP-EQUIV=content-type>"sv, true, Japanese},
    {"<meta http-equiv=\"Content-Type\" content='text/html; charset=\"x-sjis\"'>"sv, true, Japanese},
    {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset = cp932 ; q\">"sv, true, Japanese},
    {"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=ANSI_X3.4-1968\">"sv, true, Latin},
    {"<meta content=\"text/html; charset=utf-8\">"sv, false, Untouched},   // no http-equiv
    {"<meta http-equiv=\"refresh\" content=\"0; charset=utf-8\">"sv, false, Untouched},
    {"<meta http-equiv=\"Content-Type\" content=\"text/html\">"sv, false, Untouched},
    {"<meta charset=\"koi8-r\">"sv, false, Untouched},
    {"<meta charset=\"utf-16\">"sv, false, Untouched},
    {"<meta charset=\"koi8-r\"><meta charset=latin1>"sv, true, Latin},
    {"<meta name=\"x\" content=\"a>b\" charset=shift-jis>"sv, true, Japanese},
    {"<!-- <meta charset=\"utf-8\"> --><meta charset=sjis>"sv, true, Japanese},
    {"<!-- <meta charset=\"utf-8\">"sv, false, Untouched},
    {"<metadata charset=\"utf-8\">"sv, false, Untouched},
    {"<p>meta charset=utf-8</p>"sv, false, Untouched},
    {"<meta charset=\"utf-8"sv, false, Untouched},                  // the value runs past the end
    {"<meta charset=utf-8>"sv, false, Untouched, 17},               // "utf" read
};
// clang-format on

TEST(HtmlCodePage, FindsTheCharsetAMetaTagNames)
{
    for (const DeclarationRow& row : DeclarationRows) {
        SCOPED_TRACE(row.bytes);
        TextCodePage codePage = Untouched;
        const std::size_t count = row.count != 0 ? row.count : row.bytes.size();
        EXPECT_EQ(FindDeclaredCodePage(row.bytes.data(), count, codePage), row.found);
        EXPECT_EQ(codePage, row.codePage);
    }
}

} // namespace
} // namespace zandrel
