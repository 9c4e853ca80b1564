#pragma once
// Rich Text documents: the starts of real ones (shortened where they run
// long) and texts that only look like them, with what each gives.
// - RichTextFileRows: the description through the whole import (line limit
//   off), for code page 1252; `standIn` where the native stand-in differs.
// - RichTextCodePageRows: the reader's wide text of documents in other code
//   pages. Rows with a `standIn` need Windows' conversions (MultiByteToWideChar)
//   for `text`; the stand-in knows only windows-1252 and gives U+FFFD.

#include <ostream>
#include <string_view>

namespace zandrel::test {

using namespace std::string_view_literals;

struct RichTextFileRow {
    const char* name;
    const char* fileName;          // the name the import chose
    std::string_view read;         // the file's bytes
    const char* expected;          // the description, lines joined by CR LF
    const char* standIn = nullptr; // where the native stand-in differs
    const char* expected932 = nullptr; // under code page 932, where it differs
};

struct RichTextCodePageRow {
    const char* name;
    std::string_view rtf;
    const char16_t* text;              // with Windows' conversions; lines end in LF
    const char16_t* standIn = nullptr; // the stand-in's, where it differs: a Windows-only row
};

inline void PrintTo(const RichTextFileRow& row, std::ostream* out)
{
    *out << row.name;
}

// clang-format off
inline constexpr RichTextFileRow RichTextFileRows[] = {
    // WordPad (Riched20) on Windows 10, an installer's licence.
    {"wordpad_riched20_licence", "license.rtf",
     "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Tahoma;}}\r\n"
     "{\\colortbl ;\\red0\\green0\\blue255;}\r\n"
     "{\\*\\generator Riched20 10.0.16299}\\viewkind4\\uc1\r\n"
     "\\pard\\sa200\\sl276\\slmult1\\f0\\fs16\\lang9 Bazel is bundled with software licensed under the GPLv2"
     " with Classpath exception.\\par\r\n"
     "  https://github.com/bazelbuild/bazel/releases\\par\r\n"
     "---\\par\r\n}\r\n\0"sv,
     "Bazel is bundled with software licensed under the GPLv2 with Classpath exception.\r\n"
     "https://github.com/bazelbuild/bazel/releases\r\n---"},
    // TextEdit (Cocoa): a backslash before each line break ends the line.
    {"textedit_cocoa_licence", "License.rtf",
     "{\\rtf1\\ansi\\ansicpg1252\\cocoartf1504\\cocoasubrtf830\n"
     "{\\fonttbl\\f0\\fswiss\\fcharset0 Helvetica;}\n"
     "{\\colortbl;\\red255\\green255\\blue255;}\n"
     "{\\*\\expandedcolortbl;;}\n"
     "\\paperw11900\\paperh16840\\margl1440\\margr1440\\vieww12600\\viewh8400\\viewkind0\n"
     "\\pard\\tx566\\tx1133\\tx1700\\pardirnatural\\partightenfactor0\n\n"
     "\\f0\\fs24 \\cf0 \\\n"
     "                                 Apache License\\\n"
     "                           Version 2.0, January 2004\\\n\\\n"
     "   TERMS AND CONDITIONS FOR USE, REPRODUCTION, AND DISTRIBUTION\\\n"
     "   1. Definitions.\\\n\\\n      \"License\" shall mean the terms and condi"sv,
     "Apache License\r\nVersion 2.0, January 2004\r\n"
     "TERMS AND CONDITIONS FOR USE, REPRODUCTION, AND DISTRIBUTION\r\n1. Definitions.\r\n"
     "\"License\" shall mean the terms and condi"},
    // RTF::Writer (Perl): a header that shows nothing, \line, \'hh, \endash.
    {"rtf_writer_poem", "la_dame.rtf",
     "{\\rtf1\\ansi\\deff0\n\n{\\fonttbl\n{\\f0 Times New Roman;}\n}\n\n\\deflang1033\\widowctrl\n"
     "{\\header\\pard\\qr\\plain\\f0{\\noproof\\i La dame} p.\\chpgn\\par}\n\n\\lang1036\\fs36\n\n"
     "{\\pard\\qc\\f1\\fs60\\b\\i La dame\\par}\n\n"
     "{\\pard\\sb300\\li900\nToc toc Il a ferm\\'e9 la porte\\line\n"
     "Les lys du jardin sont fl\\'e9tris\\line\nQuel est donc ce mort qu'on emporte\n\\par}\n\n"
     "{\\pard\\sb900\\li900\\scaps\\fs44\n\\endash  Guillaume Apollinaire, {\\i Alcools}\\par}\n}"sv,
     "La dame\r\nToc toc Il a ferm\xE9 la porte\r\nLes lys du jardin sont fl\xE9tris\r\n"
     "Quel est donc ce mort qu'on emporte\r\n\x96 Guillaume Apollinaire, Alcools",
     "La dame\r\nToc toc Il a ferm\xE9 la porte\r\nLes lys du jardin sont fl\xE9tris\r\n"
     "Quel est donc ce mort qu'on emporte\r\n- Guillaume Apollinaire, Alcools",
     "La dame\r\nToc toc Il a ferme la porte\r\nLes lys du jardin sont fletris\r\n"
     "Quel est donc ce mort qu'on emporte\r\n- Guillaume Apollinaire, Alcools"},
    // pandoc: \bullet lists, \u with a quote as the fallback, a picture.
    {"pandoc_manual", "Manual.rtf",
     "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 \\fswiss Helvetica;}{\\f1 \\fmodern Courier;}}\n"
     "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\n\\widowctrl\\hyphauto\n\n"
     "{\\pard \\ql \\f0 \\sa180 \\li0 \\fi0 \\b \\fs36 TopParser\\par}\n"
     "{\\pard \\ql \\f0 \\sa180 \\li360 \\fi-360 \\bullet \\tx360\\tab Ticking the box labelled "
     "{\\b \\u8216'Copy top file\\u8217'} archives the raw data.\\par}\n"
     "{\\pard \\ql \\f0 \\sa180 \\li0 \\fi0 {\\pict\\jpegblip\\picw732\\pich599 ffd8ffe000104a4649}\\par}\n"
     "{\\pard \\ql \\f0 \\sa180 \\li0 \\fi0 {\\f1 topparser cave.top}\\par}\n}"sv,
     "TopParser\r\n\x95\tTicking the box labelled \x91" "Copy top file\x92 archives the raw data.\r\n"
     "topparser cave.top",
     "TopParser\r\n*\tTicking the box labelled 'Copy top file' archives the raw data.\r\n"
     "topparser cave.top",
     "TopParser\r\n*\tTicking the box labelled \x81" "eCopy top file\x81" "f archives the raw data.\r\n"
     "topparser cave.top"},
    // Word 2003: style sheet, list table and document information first,
    // fields, a bookmark, a hidden run.
    {"word_2003_fields", "README.RTF",
     "{\\rtf1\\ansi\\ansicpg1252\\uc1\\deff0\\stshfdbch0\\stshfloch0\\stshfhich0\\stshfbi0\\deflang1033"
     "\\deflangfe1033{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}"
     "{\\f3\\froman\\fcharset2\\fprq2{\\*\\panose 05050102010706020507}Symbol;}}"
     "{\\colortbl;\\red0\\green0\\blue0;}{\\stylesheet{\\ql \\li0\\ri0\\widctlpar\\f0\\fs24 \\snext0 Normal;}"
     "{\\*\\cs10 \\additive \\ssemihidden Default Paragraph Font;}}"
     "{\\*\\listtable{\\list\\listtemplateid-1{\\listlevel\\levelnfc23{\\leveltext\\'01\\u-3913 ?;}{\\levelnumbers;}"
     "\\f3\\fbias0 \\fi-360\\li720}{\\listname ;}\\listid1}}{\\*\\listoverridetable{\\listoverride\\listid1"
     "\\listoverridecount0\\ls1}}{\\info{\\title Readme}{\\author edwin}{\\operator edwin}"
     "{\\creatim\\yr2008\\mo3\\dy12\\hr10\\min5}{\\version1}}\\widowctrl\\ftnbj\\aenddoc"
     "\\sectd \\linex0\\endnhere\\sectlinegrid360\\sectdefaultcl{\\*\\pnseclvl1\\pnucrm\\pnstart1\\pnindent720"
     "\\pnhang {\\pntxta .}}\\pard\\plain \\ql \\li0\\ri0\\widctlpar\\f0\\fs24\\lang1033 {\\b Setup}{\\par }"
     "{\\listtext\\pard\\plain\\f3\\fs24 \\loch\\af3\\dbch\\af0\\hich\\f3 \\'b7\\tab}\\ls1 "
     "{Run {\\*\\bkmkstart start}SETUP.EXE{\\*\\bkmkend start}.\\par }"
     "{\\field{\\*\\fldinst { HYPERLINK \"http://example.com/\" }}{\\fldrslt {\\cs15\\ul example.com}}}"
     "{\\v  hidden note}{ \\endash  our site\\par }}"sv,
     "Setup\r\n\x95\tRun SETUP.EXE.\r\nexample.com \x96 our site",
     "Setup\r\n*\tRun SETUP.EXE.\r\nexample.com - our site",
     "Setup\r\n*\tRun SETUP.EXE.\r\nexample.com - our site"},
    // LibreOffice Writer's form: \'hh after \uN with \uc1, \plain in every paragraph.
    {"libreoffice_writer", "notes.rtf",
     "{\\rtf1\\ansi\\deff3\\adeflang1025\n{\\fonttbl{\\f0\\froman\\fprq2\\fcharset0 Times New Roman;}"
     "{\\f1\\froman\\fprq2\\fcharset2 Symbol;}{\\f3\\froman\\fprq2\\fcharset0 Liberation Serif;}}\n"
     "{\\colortbl;\\red0\\green0\\blue0;}\n{\\stylesheet{\\s0\\snext0 Normal;}}{\\*\\generator LibreOffice/7.4.7.2$Linux_X86_64}"
     "{\\info{\\creatim\\yr2024\\mo1\\dy5}}\\deftab709\n\\pard\\plain \\s0\\ql\\f3\\fs24{\\rtlch \\ltrch\\loch "
     "Na\\u239\\'efve caf\\u233\\'e9}\n\\par \\pard\\plain \\s0\\ql\\f3\\fs24{\\rtlch \\ltrch\\loch Line two}\n\\par }"sv,
     "Na\xEFve caf\xE9\r\nLine two",
     nullptr, "Naive cafe\r\nLine two"},
    // A Japanese read-me: its font's character set is Shift_JIS, whatever the
    // ANSI code page; under 932 the description is that text again.
    {"japanese_font_shift_jis", "README.RTF",
     "{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl{\\f0\\fnil\\fcharset128 \\'82\\'6c\\'82\\'72 \\'83\\'53\\'83\\'56\\'83\\'62\\'83\\'4e;}"
     "{\\f1\\fswiss\\fcharset0 Arial;}}\r\n\\f0 \\'93\\'fa\\'96\\'7b\\'8c\\'ea\\f1  README\\par\r\n"
     "\\f0\\'83\\'65\\'83\\'4c\\'83\\'58\\'83\\'67\\f1  2.0\\par}"sv,
     "??? README\r\n???? 2.0",
     "???{?? README\r\n?e?L?X?g 2.0", // the stand-in knows no Shift_JIS: its ASCII trail bytes stay
     "\x93\xfa\x96\x7b\x8c\xea README\r\n\x83\x65\x83\x4c\x83\x58\x83\x67 2.0"},
    // Look-alikes and names.
    {"rtf_start_under_a_text_name", "README.TXT", "{\\rtf1 Hello\\par World}"sv, "Hello\r\nWorld"},
    {"rtf_name_without_rtf_start", "notes.rtf", "Plain text, not rich: {\\b no}\\par\r\n"sv,
     "Plain text, not rich: {\\b no}\\par"},
    {"text_with_par_mid_file", "README.TXT", "Use \\par to end a paragraph:\r\n{\\rtf1 \\par}\r\n"sv,
     "Use \\par to end a paragraph:\r\n{\\rtf1 \\par}"},
    {"space_before_rtf_start", "a.rtf", " {\\rtf1 x}"sv, "{\\rtf1 x}"},
    {"upper_case_rtf_start", "a.rtf", "{\\RTF1 x}"sv, "{\\RTF1 x}"},
    {"rtf_start_under_a_web_page_name", "index.html", "{\\rtf1 <b>x</b>}"sv, "<b>x</b>"},
};

inline constexpr RichTextCodePageRow RichTextCodePageRows[] = {
    {"word_unicode_with_shift_jis_fallback",
     "{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fnil\\fcharset128 MS Mincho;}}\\f0\\uc2 \\u26085\\'93\\'fa\\u26412\\'96\\'7b}"sv,
     u"\u65E5\u672C"},
    {"shift_jis_pairs_and_a_backslash_trail",
     "{\\rtf1\\ansi\\ansicpg932\\deff0{\\fonttbl{\\f0\\fnil\\fcharset128 \\'82\\'6c\\'82\\'72 \\'96\\'be\\'92\\'a9;}}"
     "\\f0 \\'93\\'fa\\'96\\'7b\\'8c\\'ea\\'83\\\\\\'83\\'74\\'83\\'67 OK}"sv,
     u"\u65E5\u672C\u8A9E\u30BD\u30D5\u30C8 OK",
     u"\uFFFD\uFFFD\uFFFD{\uFFFD\uFFFD\uFFFD\\\uFFFDt\uFFFDg OK"}, // trail bytes in ASCII stay
    {"shift_jis_pair_cut_by_the_read",
     "{\\rtf1\\ansicpg932{\\fonttbl{\\f0\\fcharset128 M;}}\\f0 a\\'93\\'fa\\'96"sv,
     u"a\u65E5", u"a\uFFFD\uFFFD"},
    {"shift_jis_lead_byte_before_a_control_word",
     "{\\rtf1{\\fonttbl{\\f0\\fcharset128 M;}}\\f0 \\'93\\par\\'93\\'fa}"sv,
     u"\u65E5", u"\uFFFD\uFFFD"},
    {"gb2312_font", "{\\rtf1{\\fonttbl{\\f0\\fcharset134 SimSun;}}\\f0 \\'d6\\'d0\\'ce\\'c4}"sv,
     u"\u4E2D\u6587", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
    {"cyrillic_font_beside_a_latin_one",
     "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset0 Arial;}{\\f1\\fcharset204 Arial CYR;}}"
     "\\f0 Caf\\'e9 {\\f1 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2} \\'e9}"sv,
     u"Caf\u00E9 \u041F\u0440\u0438\u0432\u0435\u0442 \u00E9",
     u"Caf\u00E9 \uFFFD\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD \u00E9"},
    {"document_code_page_1251", "{\\rtf1\\ansi\\ansicpg1251 \\'c0\\'e1\\'e2}"sv,
     u"\u0410\u0431\u0432", u"\uFFFD\uFFFD\uFFFD"},
    {"default_font_cyrillic", "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\fcharset0 A;}{\\f1\\fcharset204 B;}}\\'c0{\\f0 \\'c0}}"sv,
     u"\u0410\u00C0", u"\uFFFD\u00C0"},
    {"cocoa_mac_roman", "{\\rtf1\\mac\\ansicpg10000\\cocoartf824{\\fonttbl\\f0\\fswiss\\fcharset77 Helvetica;}"
     "\\f0 est\\'87 en ingl\\'8es}"sv,
     u"est\u00E1 en ingl\u00E9s", u"est\uFFFD en ingl\uFFFDs"},
    {"greek_and_central_european", "{\\rtf1{\\fonttbl{\\f0\\fcharset161 G;}{\\f1\\fcharset238 C;}}"
     "\\f0 \\'e1\\f1 \\'9a}"sv,
     u"\u03B1\u0161", u"\uFFFD\uFFFD"},
    {"latin_document_plain_and_hex", "{\\rtf1\\ansi\\ansicpg1252 \\'80 \\'9f\\'ff}"sv, u"\u20AC \u0178\u00FF"},
};
// clang-format on

} // namespace zandrel::test
