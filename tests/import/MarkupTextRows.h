#pragma once
// Starts of real web pages and Markdown files, and texts that only look like
// them, with the description each gives through the whole import (line limit
// off). `expected` holds for code page 1252 and the native stand-in, where a
// row says nothing else; `expected932` for code page 932 where it differs.

#include <ostream>
#include <string_view>

namespace zandrel::test {

using namespace std::string_view_literals;

struct MarkupTextRow {
    const char* name;
    const char* fileName;           // the name the import chose
    std::string_view read;          // the file's bytes (a "..."sv may hold zeros)
    const char* expected;           // the description, lines joined by CR LF
    const char* expected932 = nullptr;
    const char* standIn = nullptr;  // where the native stand-in differs
};

inline void PrintTo(const MarkupTextRow& row, std::ostream* out)
{
    *out << row.name;
}

// clang-format off

// Web pages: a name ending in .htm(l), or a text that starts like one. The
// first rows are the starts of real pages, shortened where they run long.
inline constexpr MarkupTextRow HtmlTextRows[] = {
    {"html_page_title_then_text", "README.HTM",
     "<html><head><title>Tide Tables</title></head><body><p>High water at noon.</p></body></html>",
     "Tide Tables\r\nHigh water at noon."},
    {"texinfo_html4_page", "Introduction.html",
     "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\" \"http://www.w3.org/TR/html4/loose.dtd\">\n"
     "<html>\n<!-- Created by GNU Texinfo 6.8, https://www.gnu.org/software/texinfo/ -->\n<head>\n"
     "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
     "<!-- \nThis manual is for libffi, a portable foreign function interface\nlibrary.\n -->\n"
     "<title>Introduction (libffi: the portable foreign function interface library)</title>\n\n"
     "<meta name=\"description\" content=\"Introduction (libffi: the portable foreign function interface library)\">\n"
     "<link href=\"index.html\" rel=\"start\" title=\"Top\">\n</head>\n\n<body lang=\"en\">\n"
     "<div class=\"chapter\" id=\"Introduction\">\n<div class=\"header\">\n<p>\n"
     "Next: <a href=\"Using-libffi.html\" accesskey=\"n\" rel=\"next\">Using libffi</a>, "
     "Previous: <a href=\"index.html\" accesskey=\"p\" rel=\"prev\">libffi</a>, "
     "Up: <a href=\"index.html\" accesskey=\"u\" rel=\"up\">libffi</a> &nbsp; "
     "[<a href=\"Index.html\" title=\"Index\" rel=\"index\">Index</a>]</p>\n</div>\n<hr>\n"
     "<span id=\"What-is-libffi_003f\"></span><h2 class=\"chapter\">1 What is libffi?</h2>\n\n"
     "<p>Compilers for high level languages generate code that follow certain\n"
     "conventions.  These conventions are necessary, in part, for separate\n"
     "compilation to work.  One such convention is the <em>calling\nconvention</em>.\n"
     "<span id=\"index-calling-convention\"></span>\n</p>\n<!-- cut off by the end of the re",
     "Introduction (libffi: the portable foreign function interface library)\r\n"
     "Next: Using libffi, Previous: libffi, Up: libffi \xA0 [Index]\r\n"
     "1 What is libffi?\r\n"
     "Compilers for high level languages generate code that follow certain conventions. These "
     "conventions are necessary, in part, for separate compilation to work. One such convention "
     "is the calling convention.",
     "Introduction (libffi: the portable foreign function interface library)\r\n"
     "Next: Using libffi, Previous: libffi, Up: libffi ? [Index]\r\n"
     "1 What is libffi?\r\n"
     "Compilers for high level languages generate code that follow certain conventions. These "
     "conventions are necessary, in part, for separate compilation to work. One such convention "
     "is the calling convention."},
    {"docbook_page_repeats_its_title_in_h1", "users-and-groups.html",
     "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\"\"http://www.w3.org/TR/html4/loose.dtd\">\n"
     "<HTML\n><HEAD\n><TITLE\n>Users and Groups in the Debian System</TITLE\n><META\n"
     "NAME=\"GENERATOR\"\nCONTENT=\"Modular DocBook HTML Stylesheet Version 1.79\"></HEAD\n><BODY\n"
     "CLASS=\"BOOK\"\nBGCOLOR=\"#FFFFFF\"\n><DIV\nCLASS=\"BOOK\"\n><A\nNAME=\"USERS-AND-GROUPS\"\n></A\n"
     "><DIV\nCLASS=\"TITLEPAGE\"\n><H1\nCLASS=\"TITLE\"\n><A\nNAME=\"AEN2\"\n"
     ">Users and Groups in the Debian System</A\n></H1\n><H3\nCLASS=\"AUTHOR\"\n><A\nNAME=\"AEN6\"\n></A\n"
     ">Joey Hess</H3\n><H3\nCLASS=\"AUTHOR\"\n><A\nNAME=\"AEN10\"\n></A\n>Colin Watson</H3\n><P\n"
     "CLASS=\"COPYRIGHT\"\n>Copyright &copy; 2001, 2002 Joey Hess</P\n><P\nCLASS=\"COPYRIGHT\"\n"
     ">Copyright &copy; 2005 David Mandelberg</P\n><DIV\nCLASS=\"LEGALNOTICE\"\n><P\n></P\n><A\n"
     "NAME=\"AEN28\"\n></A\n><P\n>\tThis document is free; you can redistribute it and/or modify it\n"
     "\tunder the terms of version 2 of the GNU General Public License.\n      </P\n><P\n>\tThis document",
     "Users and Groups in the Debian System\r\nJoey Hess\r\nColin Watson\r\n"
     "Copyright \xA9 2001, 2002 Joey Hess\r\nCopyright \xA9 2005 David Mandelberg\r\n"
     "This document is free; you can redistribute it and/or modify it under the terms of version 2 "
     "of the GNU General Public License.\r\nThis document",
     "Users and Groups in the Debian System\r\nJoey Hess\r\nColin Watson\r\n"
     "Copyright ? 2001, 2002 Joey Hess\r\nCopyright ? 2005 David Mandelberg\r\n"
     "This document is free; you can redistribute it and/or modify it under the terms of version 2 "
     "of the GNU General Public License.\r\nThis document"},
    {"xhtml_page_with_style_and_layout_tables", "libxslt-xslt.html",
     "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n"
     "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Transitional//EN\" "
     "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd\">\n"
     "<html xmlns=\"http://www.w3.org/1999/xhtml\"><head><meta http-equiv=\"Content-Type\" "
     "content=\"text/html; charset=ISO-8859-1\" /><style type=\"text/css\">\n"
     "TD {font-family: Verdana,Arial,Helvetica}\nH1 {font-family: Verdana,Arial,Helvetica}\n"
     "    </style><title>Module xslt from libxslt</title></head><body bgcolor=\"#8b7765\">"
     "<table border=\"0\" width=\"100%\"><tr><td width=\"120\"><a href=\"http://swpat.ffii.org/\">"
     "<img src=\"../epatents.png\" alt=\"Action against software patents\" /></a></td>"
     "<td width=\"180\"><a href=\"http://www.gnome.org/\"><img src=\"../gnome2.png\" alt=\"GNOME2 Logo\" /></a>"
     "</td><td><table border=\"0\" width=\"90%\"><tr><td><table width=\"100%\" border=\"0\"><tr>"
     "<td align=\"center\"><h1>The XSLT C library for GNOME</h1><h2>Module xslt from libxslt</h2>"
     "</td></tr></table></td></tr></table></td></tr></table><table border=\"0\" cellpadding=\"4\" "
     "cellspacing=\"0\" width=\"100%\" align=\"center\"><tr><td bgcolor=\"#8",
     "Module xslt from libxslt\r\nThe XSLT C library for GNOME"},
    {"zlib_example_with_a_pre_block", "zlib_how.html",
     "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\"\n"
     "  \"http://www.w3.org/TR/REC-html40/loose.dtd\">\n<html>\n<head>\n"
     "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=ISO-8859-1\">\n"
     "<title>zlib Usage Example</title>\n<!--  Copyright (c) 2004, 2005 Mark Adler.  -->\n</head>\n"
     "<body bgcolor=\"#FFFFFF\" text=\"#000000\" link=\"#0000FF\" vlink=\"#00A000\">\n"
     "<h2 align=\"center\"> zlib Usage Example </h2>\n"
     "We often get questions about how the <tt>deflate()</tt> and <tt>inflate()</tt> functions should be used.\n"
     "<p>\nWithout further adieu, here is the program <a href=\"zpipe.c\"><tt>zpipe.c</tt></a>:\n"
     "<pre><b>\n/* zpipe.c: example of proper use of zlib's inflate() and deflate()\n"
     "   Not copyrighted -- provided to the public domain\n"
     "   Version 1.4  11 December 2005  Mark Adler */\n\n/* Version history:\n"
     "   1.0  30 Oct 2004  First version\n</b></pre>\n<!-- -->\n<p>\nWe now include the header files.\n",
     "zlib Usage Example\r\n"
     "We often get questions about how the deflate() and inflate() functions should be used.\r\n"
     "Without further adieu, here is the program zpipe.c:\r\n"
     "/* zpipe.c: example of proper use of zlib's inflate() and deflate()\r\n"
     "Not copyrighted -- provided to the public domain\r\n"
     "Version 1.4  11 December 2005  Mark Adler */\r\n/* Version history:\r\n"
     "1.0  30 Oct 2004  First version\r\nWe now include the header files."},
    {"node_api_page_with_inline_script_and_style", "util.html",
     "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n  <meta charset=\"utf-8\">\n"
     "  <meta name=\"viewport\" content=\"width=device-width\">\n"
     "  <title>Util | Node.js v20.20.2 Documentation</title>\n"
     "  <link rel=\"stylesheet\" href=\"https://fonts.googleapis.com/css?family=Lato:400,700,400italic&display=fallback\">\n"
     "  <script async defer src=\"assets/api.js\" type=\"text/javascript\"></script>\n"
     "  <script>\n      const storedTheme = localStorage.getItem('theme');\n"
     "      if (storedTheme === null && window.matchMedia) {\n"
     "        document.write('<p>theme</p>');\n      }\n  </script>\n"
     "  <style>@media(max-width:558px){.with-42-chars>.js-flavor-toggle{float:none;}}</style>\n"
     "</head>\n<body class=\"alt apidoc\" id=\"api-section-util\">\n"
     "  <a href=\"#apicontent\" class=\"skip-to-content\">Skip to content</a>\n"
     "  <div id=\"content\" class=\"clearfix\">\n"
     "    <div role=\"navigation\" id=\"column2\" class=\"interior\">\n"
     "      <div id=\"intro\" class=\"interior\">\n"
     "        <a href=\"/\" title=\"Go back to the home page\">\n          Node.js\n        </a>\n"
     "      </div>\n      <ul>\n"
     "<li><a href=\"documentation.html\" class=\"nav-documentation\">About this documentation</a></li>\n"
     "<li><a href=\"synopsis.html\" class=\"nav-synopsis\">Usage and example</a></li>\n"
     "</ul>\n<hr class=\"line\">\n<ul>\n<li><a href=\"assert.html\" class=\"nav-assert\">Assertion testing</a></li>\n<li><a",
     "Util | Node.js v20.20.2 Documentation\r\nSkip to content\r\nNode.js\r\n"
     "About this documentation\r\nUsage and example\r\nAssertion testing"},
    {"asciidoc_page_cut_inside_its_style", "libOpenCL.html",
     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.1//EN\"\n"
     "    \"http://www.w3.org/TR/xhtml11/DTD/xhtml11.dtd\">\n"
     "<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\">\n<head>\n"
     "<meta http-equiv=\"Content-Type\" content=\"application/xhtml+xml; charset=UTF-8\" />\n"
     "<meta name=\"generator\" content=\"AsciiDoc 10.2.0\" />\n<title>libOpenCL(7)</title>\n"
     "<style type=\"text/css\">\n/* Shared CSS for AsciiDoc xhtml11 and html5 backends */\n\n"
     "/* Default font. */\nbody {\n  font-family: Georgia,serif;\n}\n",
     "libOpenCL(7)"},
    {"entities_and_quoted_greater_than", "index.htm",
     "<html><head><title>Caf&eacute; &amp; Cr&#234;perie &mdash; Men&#xFC;</title></head>\n<body>\n"
     "<h1>Caf&#233; &amp; Cr&ecirc;perie &#8212; Men&uuml;</h1>\n"
     "<p>AT&T &copy 2024 &bogus; &lt;b&gt; &#xE9;t&eacute; &hellip; 5&nbsp;&euro;</p>\n"
     "<p><a href=\"menu.htm\" onclick=\"return n > 0\">Menu</a> <img src=\"x.png\" alt=\"a > b\">"
     "<span title=it's>open</span></p>\n",
     "Caf\xE9 & Cr\xEAperie \x97 Men\xFC\r\n"
     "AT&T &copy 2024 &bogus; <b> \xE9t\xE9 \x85 5\xA0\x80\r\nMenu open",
     "Caf? & Cr?perie ? Men?\r\n"
     "AT&T &copy 2024 &bogus; <b> ?t? \x81\x63 5??\r\nMenu open",
     "Caf\xE9 & Cr\xEAperie ? Men\xFC\r\n"
     "AT&T &copy 2024 &bogus; <b> \xE9t\xE9 ? 5\xA0?\r\nMenu open"},
    {"table_cells_share_their_row", "prices.html",
     "<html><body><table>\n<tr><th>Port</th><th>High</th><th>Low</th></tr>\n"
     "<tr><td>Brest</td><td></td><td> 06:10 </td></tr>\n"
     "<tr><td>Cherbourg<br>(est.)</td><td>12:40</td></tr></table><p>Times are local.</p>",
     "Port\tHigh\tLow\r\nBrest\t\t06:10\r\nCherbourg\r\n(est.)\t12:40\r\nTimes are local."},
    {"shift_jis_page_by_meta_charset", "index.html",
     "<html><head><meta charset=\"Shift_JIS\"><title>\x90\xAF\x90\x7D\x83\x5C\x83\x74\x83\x67</title></head>\n"
     "<body><h1>\x90\xAF\x90\x7D\x83\x5C\x83\x74\x83\x67</h1><p>\x95\x5C\x8E\xA6: "
     "\x8D\x50\x90\xAF 9,000 \x8C\xC2 \x8C", // the read cut the last character in two
     "?????\r\n??: ?? 9,000 ?",
     "\x90\xAF\x90\x7D\x83\x5C\x83\x74\x83\x67\r\n"
     "\x95\x5C\x8E\xA6: \x8D\x50\x90\xAF 9,000 \x8C\xC2",
     "???}?\\?t?g\r\n?\\??: ?P?? 9,000 ??"},
    {"windows_1252_page_by_http_equiv_in_any_order", "readme.htm",
     "<HTML><HEAD><META CONTENT='text/html;charset=Windows-1252' HTTP-EQUIV=Content-Type>\n"
     "<TITLE>\x93" "Caf\xE9\x94 \x80 2</TITLE></HEAD><BODY>Men\xFC</BODY></HTML>",
     "\x93" "Caf\xE9\x94 \x80 2\r\nMen\xFC",
     "\x81\x67" "Caf?\x81\x68 ? 2\r\nMen?",
     "?Caf\xE9? ? 2\r\nMen\xFC"},
    {"utf16_page_with_a_mark", "index.htm",
     "\xFF\xFE<\0h\0t\0m\0l\0>\0<\0t\0i\0t\0l\0e\0>\0\xE9\0t\0\xE9\0<\0/\0t\0i\0t\0l\0e\0>\0"
     "<\0p\0>\0\xE5\x65\x2C\x67<\0/\0p\0>\0"sv,
     "\xE9t\xE9\r\n??",
     "?t?\r\n\x93\xFA\x96\x7B"},
    {"readme_txt_that_starts_like_a_page", "README.TXT",
     "  <HTML>\r\n<head><title>Orchard Planner</title></head>\r\n<body>\r\n"
     "<h1>Orchard Planner</h1>\r\n<p>Plans fruit tree planting by season.</p>\r\n</body>\r\n</html>\r\n",
     "Orchard Planner\r\nPlans fruit tree planting by season."},
    {"plain_text_that_mentions_markup", "README.TXT",
     "Press <Ctrl>+<C> to copy; <b>bold</b> &amp; <html> stay.\r\n<!DOCTYPE html> is a page's start.\r\n",
     "Press <Ctrl>+<C> to copy; <b>bold</b> &amp; <html> stay.\r\n<!DOCTYPE html> is a page's start."},
};

// Markdown files: a name ending in .md, .markdown, .mdown or .mkd.
inline constexpr MarkupTextRow MarkdownTextRows[] = {
    {"markdown_heading_and_emphasis", "README.md",
     "# Tide Tables\n\nHigh water at **noon**.\n",
     "Tide Tables\r\nHigh water at noon."},
};

// clang-format on

} // namespace zandrel::test
