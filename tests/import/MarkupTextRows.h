#pragma once
// Starts of real web pages, Markdown and reStructuredText files, and texts that only look like
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
     "Next: Using libffi, Previous: libffi, Up: libffi   [Index]\r\n"
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
     "Copyright (C) 2001, 2002 Joey Hess\r\nCopyright (C) 2005 David Mandelberg\r\n"
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
     "Cafe & Creperie - Menu\r\n"
     "AT&T &copy 2024 &bogus; <b> ete \x81\x63 5 EUR\r\nMenu open",
     "Caf\xE9 & Cr\xEAperie - Men\xFC\r\n"
     "AT&T &copy 2024 &bogus; <b> \xE9t\xE9 ... 5\xA0" "EUR\r\nMenu open"},
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
     "\x81\x67" "Cafe\x81\x68 EUR 2\r\nMenu",
     "\"Caf\xE9\" EUR 2\r\nMen\xFC"},
    {"utf16_page_with_a_mark", "index.htm",
     "\xFF\xFE<\0h\0t\0m\0l\0>\0<\0t\0i\0t\0l\0e\0>\0\xE9\0t\0\xE9\0<\0/\0t\0i\0t\0l\0e\0>\0"
     "<\0p\0>\0\xE5\x65\x2C\x67<\0/\0p\0>\0"sv,
     "\xE9t\xE9\r\n??",
     "ete\r\n\x93\xFA\x96\x7B"},
    {"readme_txt_that_starts_like_a_page", "README.TXT",
     "  <HTML>\r\n<head><title>Orchard Planner</title></head>\r\n<body>\r\n"
     "<h1>Orchard Planner</h1>\r\n<p>Plans fruit tree planting by season.</p>\r\n</body>\r\n</html>\r\n",
     "Orchard Planner\r\nPlans fruit tree planting by season."},
    // A quotation shows its marks, as a browser shows them; a code page
    // without them gets the plain '"'.
    {"q_shows_its_quotation_marks", "notes.html",
     "<p>The keeper said <q>High water at <b>noon</b></q>, twice.</p>",
     "The keeper said \x93High water at noon\x94, twice.",
     "The keeper said \x81\x67High water at noon\x81\x68, twice.",
     "The keeper said \"High water at noon\", twice."},
    {"plain_text_that_mentions_markup", "README.TXT",
     "Press <Ctrl>+<C> to copy; <b>bold</b> &amp; <html> stay.\r\n<!DOCTYPE html> is a page's start.\r\n",
     "Press <Ctrl>+<C> to copy; <b>bold</b> &amp; <html> stay.\r\n<!DOCTYPE html> is a page's start."},
};

// Markdown files: a name ending in .md, .markdown, .mdown or .mkd.
inline constexpr MarkupTextRow MarkdownTextRows[] = {
    {"markdown_heading_and_emphasis", "README.md",
     "# Tide Tables\n\nHigh water at **noon**.\n",
     "Tide Tables\r\nHigh water at noon."},
    // Starts of README files found on a Linux system, and excerpts.
    {"markdown_git_badge_setext_title_reference_links", "README.md",
     "[![Build status](https://github.com/git/git/workflows/CI/badge.svg)](https://github.com/git/git/actions?query=branch%3Amaster+event%3Apush)\n"
     "\n"
     "Git - fast, scalable, distributed revision control system\n"
     "=========================================================\n"
     "\n"
     "Git is a fast, scalable, distributed revision control system with an\n"
     "unusually rich command set that provides both high-level operations\n"
     "and full access to internals.\n"
     "\n"
     "Git is an Open Source project covered by the GNU General Public\n"
     "License version 2 (some parts of it are under different licenses,\n"
     "compatible with the GPLv2). It was originally written by Linus\n"
     "Torvalds with help of a group of hackers around the net.\n"
     "\n"
     "Please read the file [INSTALL][] for installation instructions.\n"
     "\n"
     "Many Git online resources are accessible from <https://git-scm.com/>\n"
     "including full documentation and Git related tools.\n"
     "\n"
     "See [Documentation/gittutorial.txt][] to get started, then see\n"
     "[Documentation/giteveryday.txt][] for a useful minimum set of commands, and\n"
     "`Documentation/git-<commandname>.txt` for documentation of each command.\n"
     "If git has been correctly installed, then the tutorial can also be\n"
     "read with `man gittutorial` or `git help tutorial`, and the\n"
     "documentation of each command with `man git-<commandname>` or `git help\n"
     "<commandname>`.\n",
     "Git - fast, scalable, distributed revision control system\r\nGit is a fast, scalable, distributed revision control system with an\r\nunusually rich command set that provides both high-level operations\r\nand full access to internals.\r\nGit is an Open Source project covered by the GNU General Public\r\nLicense version 2 (some parts of it are under different licenses,\r\ncompatible with the GPLv2). It was originally written by Linus\r\nTorvalds with help of a group of hackers around the net.\r\nPlease read the file INSTALL for installation instructions.\r\nMany Git online resources are accessible from https://git-scm.com/\r\nincluding full documentation and Git related tools.\r\nSee Documentation/gittutorial.txt to get started, then see\r\nDocumentation/giteveryday.txt for a useful minimum set of commands, and\r\nDocumentation/git-<commandname>.txt for documentation of each command.\r\nIf git has been correctly installed, then the tutorial can also be\r\nread with man gittutorial or git help tutorial, and the\r\ndocumentation of each command with man git-<commandname> or git help\r\n<commandname>."},
    {"markdown_git_end_list_and_reference_definitions", "README.md",
     "\n"
     " - random three-letter combination that is pronounceable, and not\n"
     "   actually used by any common UNIX command.  The fact that it is a\n"
     "   mispronunciation of \"get\" may or may not be relevant.\n"
     " - stupid. contemptible and despicable. simple. Take your pick from the\n"
     "   dictionary of slang.\n"
     " - \"global information tracker\": you're in a good mood, and it actually\n"
     "   works for you. Angels sing, and a light suddenly fills the room.\n"
     " - \"goddamn idiotic truckload of sh*t\": when it breaks\n"
     "\n"
     "[INSTALL]: INSTALL\n"
     "[Documentation/gittutorial.txt]: Documentation/gittutorial.txt\n"
     "[Documentation/giteveryday.txt]: Documentation/giteveryday.txt\n"
     "[Documentation/gitcvs-migration.txt]: Documentation/gitcvs-migration.txt\n"
     "[Documentation/SubmittingPatches]: Documentation/SubmittingPatches\n"
     "[Documentation/CodingGuidelines]: Documentation/CodingGuidelines\n"
     "[po/README.md]: po/README.md\n",
     "- random three-letter combination that is pronounceable, and not\r\nactually used by any common UNIX command.  The fact that it is a\r\nmispronunciation of \"get\" may or may not be relevant.\r\n- stupid. contemptible and despicable. simple. Take your pick from the\r\ndictionary of slang.\r\n- \"global information tracker\": you're in a good mood, and it actually\r\nworks for you. Angels sing, and a light suddenly fills the room.\r\n- \"goddamn idiotic truckload of sh*t\": when it breaks"},
    {"markdown_tk_badges_link_over_line_break_tag_in_heading", "README.md",
     "# README:  Tk\n"
     "\n"
     "This is the **Tk 8.6.13** source distribution.\n"
     "\n"
     "You can get any source release of Tk from [our distribution\n"
     "site](https://sourceforge.net/projects/tcl/files/Tcl/).\n"
     "\n"
     "[![Build Status](https://github.com/tcltk/tk/workflows/Linux/badge.svg?branch=core-8-6-branch)](https://github.com/tcltk/tk/actions?query=workflow%3A%22Linux%22+branch%3Acore-8-6-branch)\n"
     "[![Build Status](https://github.com/tcltk/tk/workflows/Windows/badge.svg?branch=core-8-6-branch)](https://github.com/tcltk/tk/actions?query=workflow%3A%22Windows%22+branch%3Acore-8-6-branch)\n"
     "[![Build Status](https://github.com/tcltk/tk/workflows/macOS/badge.svg?branch=core-8-6-branch)](https://github.com/tcltk/tk/actions?query=workflow%3A%22macOS%22+branch%3Acore-8-6-branch)\n"
     "\n"
     "## <a id=\"intro\">1.</a> Introduction\n"
     "\n"
     "This directory contains the sources and documentation for Tk, a\n"
     "cross-platform GUI toolkit implemented with the Tcl scripting language.\n"
     "\n"
     "For details on features, incompatibilities, and potential problems with\n",
     "README:  Tk\r\nThis is the Tk 8.6.13 source distribution.\r\nYou can get any source release of Tk from our distribution\r\nsite.\r\n1. Introduction\r\nThis directory contains the sources and documentation for Tk, a\r\ncross-platform GUI toolkit implemented with the Tcl scripting language.\r\nFor details on features, incompatibilities, and potential problems with"},
    {"markdown_libcbor_heading_link_badges_bold_list", "README.md",
     "# [libcbor](https://github.com/PJK/libcbor)\n"
     "\n"
     "[![Build Status](https://travis-ci.org/PJK/libcbor.svg?branch=master)](https://travis-ci.org/PJK/libcbor)\n"
     "[![Build status](https://ci.appveyor.com/api/projects/status/8kkmvmefelsxp5u2?svg=true)](https://ci.appveyor.com/project/PJK/libcbor)\n"
     "[![Documentation Status](https://readthedocs.org/projects/libcbor/badge/?version=latest)](https://readthedocs.org/projects/libcbor/?badge=latest)\n"
     "[![latest packaged version(s)](https://repology.org/badge/latest-versions/libcbor.svg)](https://repology.org/project/libcbor/versions)\n"
     "[![codecov](https://codecov.io/gh/PJK/libcbor/branch/master/graph/badge.svg)](https://codecov.io/gh/PJK/libcbor)\n"
     "\n"
     "**libcbor** is a C library for parsing and generating [CBOR](http://tools.ietf.org/html/rfc7049), the general-purpose schema-less binary data format.\n"
     "\n"
     "## Main features\n"
     " - Complete RFC conformance\n"
     " - Robust C99 implementation\n",
     "libcbor\r\nlibcbor is a C library for parsing and generating CBOR, the general-purpose schema-less binary data format.\r\nMain features\r\n- Complete RFC conformance\r\n- Robust C99 implementation"},
    {"markdown_pyyaml_setext_code_spans_indented_code", "README.md",
     "PyYAML\n"
     "======\n"
     "\n"
     "A full-featured YAML processing framework for Python\n"
     "\n"
     "## Installation\n"
     "\n"
     "To install, type `python setup.py install`.\n"
     "\n"
     "By default, the `setup.py` script checks whether LibYAML is installed and if\n"
     "so, builds and installs LibYAML bindings.\n"
     "To skip the check and force installation of LibYAML bindings, use the option\n"
     "`--with-libyaml`: `python setup.py --with-libyaml install`.\n"
     "To disable the check and skip building and installing LibYAML bindings, use\n"
     "`--without-libyaml`: `python setup.py --without-libyaml install`.\n"
     "\n"
     "When LibYAML bindings are installed, you may use fast LibYAML-based parser and\n"
     "emitter as follows:\n"
     "\n"
     "    >>> yaml.load(stream, Loader=yaml.CLoader)\n"
     "    >>> yaml.dump(data, Dumper=yaml.CDumper)\n"
     "\n"
     "If you don't trust the input YAML stream, you should use:\n"
     "\n"
     "    >>> yaml.safe_load(stream)\n"
     "\n",
     "PyYAML\r\nA full-featured YAML processing framework for Python\r\nInstallation\r\nTo install, type python setup.py install.\r\nBy default, the setup.py script checks whether LibYAML is installed and if\r\nso, builds and installs LibYAML bindings.\r\nTo skip the check and force installation of LibYAML bindings, use the option\r\n--with-libyaml: python setup.py --with-libyaml install.\r\nTo disable the check and skip building and installing LibYAML bindings, use\r\n--without-libyaml: python setup.py --without-libyaml install.\r\nWhen LibYAML bindings are installed, you may use fast LibYAML-based parser and\r\nemitter as follows:\r\n>>> yaml.load(stream, Loader=yaml.CLoader)\r\n>>> yaml.dump(data, Dumper=yaml.CDumper)\r\nIf you don't trust the input YAML stream, you should use:\r\n>>> yaml.safe_load(stream)"},
    {"markdown_polkit_setext_fenced_code", "README.md",
     "\n"
     "\n"
     "Old reference can be found at  \n"
     " https://www.freedesktop.org/software/polkit/docs/latest/\n"
     "\n"
     "\n"
     "RELEASES\n"
     "========\n"
     "\n"
     "Latest releases are available at polkit's Gitlab Releases page:  \n"
     " https://gitlab.freedesktop.org/polkit/polkit/-/releases\n"
     "\n"
     "\n"
     "Older releases are still available as tarballs at  \n"
     " https://www.freedesktop.org/software/polkit/releases/\n"
     "\n"
     "\n"
     "To verify the authenticity of the compressed tarball, use this command\n"
     "\n"
     "``` bash\n"
     "$ gpg --verify polkit-$(VERSION).tar.gz.sign polkit-$(VERSION).tar.gz\n"
     "$ gpg: Signature made Tue 23 Apr 2019 04:19:29 PM CEST using RSA key ID FFDCE258\n"
     "$ gpg: Good signature from \"Jan Rybar (Red Hat) <jrybar@redhat.com>\"\n"
     "```\n"
     "\n",
     "Old reference can be found at\r\nhttps://www.freedesktop.org/software/polkit/docs/latest/\r\nRELEASES\r\nLatest releases are available at polkit's Gitlab Releases page:\r\nhttps://gitlab.freedesktop.org/polkit/polkit/-/releases\r\nOlder releases are still available as tarballs at\r\nhttps://www.freedesktop.org/software/polkit/releases/\r\nTo verify the authenticity of the compressed tarball, use this command\r\n$ gpg --verify polkit-$(VERSION).tar.gz.sign polkit-$(VERSION).tar.gz\r\n$ gpg: Signature made Tue 23 Apr 2019 04:19:29 PM CEST using RSA key ID FFDCE258\r\n$ gpg: Good signature from \"Jan Rybar (Red Hat) <jrybar@redhat.com>\""},
    {"markdown_psmisc_star_list_with_emphasis", "README.md",
     "# psmisc\n"
     "\n"
     "A package of small utilities that use the proc file-system.\n"
     "\n"
     "* *fuser* - Identifies processes using files or sockets\n"
     "* *killall* - kills processes by name, e.g. killall -HUP named\n"
     "* *prtstat* - prints statistics of a process\n"
     "* *pslog* - prints log path(s) of a process\n"
     "* *pstree* - shows the currently running processes as a tree\n"
     "* *peekfd* - shows the data travelling over a file descriptor\n"
     "\n"
     "## Getting latest source\n"
     "There are two ways of getting the latest source.\n"
     "\n"
     "### GitLab\n"
     "For the latest **psmisc** source, visit the\n"
     "[GitLab psmisc page](https://gitlab.com/psmisc/psmisc)\n"
     "\n"
     "### SourceForge\n"
     "There are also tarballs found on\n",
     "psmisc\r\nA package of small utilities that use the proc file-system.\r\n* fuser - Identifies processes using files or sockets\r\n* killall - kills processes by name, e.g. killall -HUP named\r\n* prtstat - prints statistics of a process\r\n* pslog - prints log path(s) of a process\r\n* pstree - shows the currently running processes as a tree\r\n* peekfd - shows the data travelling over a file descriptor\r\nGetting latest source\r\nThere are two ways of getting the latest source.\r\nGitLab\r\nFor the latest psmisc source, visit the\r\nGitLab psmisc page\r\nSourceForge\r\nThere are also tarballs found on"},
    {"markdown_benchmark_html_anchor_snake_case_code", "random_interleaving.md",
     "<a name=\"interleaving\" />\n"
     "\n"
     "# Random Interleaving\n"
     "\n"
     "[Random Interleaving](https://github.com/google/benchmark/issues/1051) is a\n"
     "technique to lower run-to-run variance. It randomly interleaves repetitions of a\n"
     "microbenchmark with repetitions from other microbenchmarks in the same benchmark\n"
     "test. Data shows it is able to lower run-to-run variance by\n"
     "[40%](https://github.com/google/benchmark/issues/1051) on average.\n"
     "\n"
     "To use, you mainly need to set `--benchmark_enable_random_interleaving=true`,\n"
     "and optionally specify non-zero repetition count `--benchmark_repetitions=9`\n"
     "and optionally decrease the per-repetition time `--benchmark_min_time=0.1`.\n",
     "Random Interleaving\r\nRandom Interleaving is a\r\ntechnique to lower run-to-run variance. It randomly interleaves repetitions of a\r\nmicrobenchmark with repetitions from other microbenchmarks in the same benchmark\r\ntest. Data shows it is able to lower run-to-run variance by\r\n40% on average.\r\nTo use, you mainly need to set --benchmark_enable_random_interleaving=true,\r\nand optionally specify non-zero repetition count --benchmark_repetitions=9\r\nand optionally decrease the per-repetition time --benchmark_min_time=0.1."},
    {"markdown_procps_snake_case_quote_hard_break", "bugs.md",
     "\n"
     "> git request-pull commit-id \\\n"
     ">\tgit://gitorious.org/~yourlogin/procps/your-clone.git\n"
     "\n"
     "\n"
     "Kernel-Dependent Patches\n"
     "------------------------\n"
     "If you send patches which are specific to *running* with a particular\n"
     "kernel version of /proc, please condition them with the runtime determined\n"
     "variable `linux_version_code` from libproc/version.c.  It is the same\n"
     "number as the macro `LINUX_VERSION_CODE` for which the kernel /proc fs\n"
     "code was compiled.\n"
     "\n"
     "A macro is provide in libproc/misc.h to construct the code from its\n"
     "components, e.g.\n"
     ">  if (linux_version_code < LINUX_VERSION(2,5,41))\n"
     ">     /* blah blah blah */\n"
     "A startup call to `set_linux_version` may also be necessary.\n",
     "git request-pull commit-id\r\ngit://gitorious.org/~yourlogin/procps/your-clone.git\r\nKernel-Dependent Patches\r\nIf you send patches which are specific to running with a particular\r\nkernel version of /proc, please condition them with the runtime determined\r\nvariable linux_version_code from libproc/version.c.  It is the same\r\nnumber as the macro LINUX_VERSION_CODE for which the kernel /proc fs\r\ncode was compiled.\r\nA macro is provide in libproc/misc.h to construct the code from its\r\ncomponents, e.g.\r\nif (linux_version_code < LINUX_VERSION(2,5,41))\r\n/* blah blah blah */\r\nA startup call to set_linux_version may also be necessary."},
    {"markdown_verbs_table", "libibverbs.md",
     "in debug mode.\n"
     "\n"
     "The following table describes the expected behavior when VERBS_LOG_LEVEL is set:\n"
     "|                 | Release                         | Debug                                          |\n"
     "|-----------------|---------------------------------|------------------------------------------------|\n"
     "| Regular prints  | Output to VERBS_LOG_FILE if set | Output to VERBS_LOG_FILE, or stderr if not set |\n"
     "| Datapath prints | Compiled out, no output         | Output to VERBS_LOG_FILE, or stderr if not set |\n",
     "in debug mode.\r\nThe following table describes the expected behavior when VERBS_LOG_LEVEL is set:\r\n| Release                         | Debug\r\nRegular prints  | Output to VERBS_LOG_FILE if set | Output to VERBS_LOG_FILE, or stderr if not set\r\nDatapath prints | Compiled out, no output         | Output to VERBS_LOG_FILE, or stderr if not set"},
    {"markdown_page_header_of_html_badges_and_references", "README.md",
     "<!-- markdownlint-disable MD033\n"
     "     MD041 -->\n"
     "<p align=\"center\">\n"
     "  <img src=\"docs/logo.png\" alt=\"Logo\"\n"
     "       width=\"120\">\n"
     "</p>\n"
     "<h1 align=\"center\">Harbour &amp; Clock</h1>\n"
     "\n"
     "[![CI][ci-badge]][ci] ![Licence](https://img.shields.io/badge/licence-MIT-blue.svg)\n"
     "\n"
     "> **Note**\n"
     "> Alarms &lt;per user&gt; &#35;12, see the [change log][changes] or [FAQ][] &amp; <docs@harbour.example>.\n"
     "\n"
     "[ci-badge]: https://example.org/ci.svg\n"
     "[ci]: https://example.org/ci \"CI runs\"\n"
     "[changes]: <CHANGES.md>\n",
     "Harbour & Clock\r\nNote\r\nAlarms <per user> #12, see the change log or FAQ & docs@harbour.example."},
    {"markdown_emphasis_rules_and_look_alikes", "README.md",
     "Use snake_case_word, my_long_name and __init__.py; 2 * 3 * 4 = 24, x ~ y.\n"
     "But a*b*c, **bold**text, ~~old~~ new, ***both*** and *open **nested** here*.\n"
     "Escapes: \\*stars\\*, 5 \\_ 6, \\[not a link\\](x) and a lone * or _ or ~~.\n",
     "Use snake_case_word, my_long_name and init.py; 2 * 3 * 4 = 24, x ~ y.\r\n"
     "But abc, boldtext, old new, both and open nested here.\r\n"
     "Escapes: *stars*, 5 _ 6, [not a link](x) and a lone * or _ or ~~."},
    // A reference to a control character shows what a browser shows for it:
    // white space, never a line break, or nothing.
    {"markdown_references_to_controls_show_as_white_space_or_nothing", "README.md",
     "# Tide&#10;Tables\n"
     "\n"
     "one &#13; two &#10; three &#x0D; four\n"
     "a&#1;b&#x7F;c&#9;d &#0;\n"
     "\n"
     "&#1;&#x1F;\n"
     "\n"
     "<p>e&#10;f&#13;g</p>\n",
     "Tide Tables\r\none   two   three   four\r\nabc d ?\r\ne f g"},
    {"markdown_fences_with_other_fences_inside", "README.md",
     "~~~~ text\n"
     "```\n"
     "# not a heading, *not emphasis*\n"
     "~~~\n"
     "~~~~\n"
     "  1. Build: `make`\n"
     "  2) Run [it][]\n"
     "\n"
     "  ---\n"
     "***\n"
     "End_of_text\n",
     "```\r\n# not a heading, *not emphasis*\r\n~~~\r\n1. Build: make\r\n2) Run it\r\nEnd_of_text"},
    // Read as UTF-8: the letters are the same in code page 1252, and the
    // default character in code page 932.
    {"markdown_utf8_accents_crlf", "LISEZMOI.md",
     "Caf\xC3\xA9 Lumi\xC3\xA8re\r\n"
     "==============\r\n"
     "\r\n"
     "Recettes pour *cr\xC3\xAApes* et __g\xC3\xA2teaux__, \xC3\xA9t\xC3\xA9 &eacute;t&#233;.\r\n",
     "Caf\xE9 Lumi\xE8re\r\nRecettes pour cr\xEApes et g\xE2teaux, \xE9t\xE9 \xE9t\xE9.",
     "Cafe Lumiere\r\nRecettes pour crepes et gateaux, ete ete."},
    // Shift-JIS without a mark, not UTF-8: under code page 932 the trail bytes
    // '_', '`', '[' and ']' of "\x83\x5F" (da), "\x83\x60" (chi), "\x83\x5B" (ze)
    // and "\x83\x5D" (zo) are halves of letters; in a single-byte code page they
    // are markup: a link, a code span.
    {"markdown_shift_jis_trail_bytes_are_no_markup", "README.md",
     "# \x83\x5F\x83\x60\n"
     "\x83\x5B\x83\x5F\x83\x5D(x) \x83\x60" "a\x83\x60 _b_\n",
     "\x83\x5F\x83\x60\r\n\x83\x83\x5F\x83 \x83" "a\x83 b",
     "\x83\x5F\x83\x60\r\n\x83\x5B\x83\x5F\x83\x5D(x) \x83\x60" "a\x83\x60 b"},
    // In a block of HTML, <br> ends the line and <q> shows its quotation marks.
    {"markdown_html_block_line_break_and_quotation", "README.md",
     "<p align=\"center\">\n"
     "  <b>Drag and drop your auth</b><br/>Add authentication<BR\n"
     "  class=\"x\">and <q>sign in</q>.</br>Done\n"
     "</p>\n",
     "Drag and drop your auth\r\nAdd authentication\r\nand \x93sign in\x94.\r\nDone",
     "Drag and drop your auth\r\nAdd authentication\r\nand \x81\x67sign in\x81\x68.\r\nDone",
     "Drag and drop your auth\r\nAdd authentication\r\nand \"sign in\".\r\nDone"},
    // A paragraph's <br> ends its line, as in the README it comes from.
    {"markdown_paragraph_line_break", "README.md",
     "<b>Drag and drop your auth</b><br/>Add authentication\n",
     "Drag and drop your auth\r\nAdd authentication"},
    {"markdown_style_block_and_shortcut_references", "README.md",
     "<style>\n"
     "  img { float: right; }\n"
     "\n"
     "  h1 { margin: 0 }\n"
     "</style>\n"
     "\n"
     "# Harbour Clock\n"
     "\n"
     "See [INSTALL] and the [change log], not [this].\n"
     "\n"
     "[install]: INSTALL.md\n"
     "[Change  Log]: CHANGES.md\n",
     "Harbour Clock\r\nSee INSTALL and the change log, not [this]."},
    {"markdown_look_alike_in_a_plain_file_unchanged", "README.TXT",
     "# Tide *Tables*\n"
     "\n"
     "[link](x) my_long_name &amp; <b>\n",
     "# Tide *Tables*\r\n[link](x) my_long_name &amp; <b>"},
};

// reStructuredText files: a name ending in .rst or .rest.
inline constexpr MarkupTextRow RestructuredTextRows[] = {
    {"rst_title_badges_field_list", "README.rst",
     ".. image:: https://ci.example.org/tide/badge.svg\n"
     "   :target: https://ci.example.org/tide\n"
     "\n"
     "===========\n"
     "Tide Tables\n"
     "===========\n"
     "\n"
     ":Author: Ann Lee\n"
     "\n"
     "High water at **noon**; see `the tables <https://tide.example.org/>`_.\n",
     "Tide Tables\r\nAuthor: Ann Lee\r\nHigh water at noon; see the tables."},
    // Starts of README files found on a Linux system.
    {"rst_jansson_image_badges_list_code_block", "README.rst",
     "Jansson README\n"
     "==============\n"
     "\n"
     ".. image:: https://github.com/akheron/jansson/workflows/tests/badge.svg\n"
     "  :target: https://github.com/akheron/jansson/actions\n"
     "\n"
     ".. image:: https://ci.appveyor.com/api/projects/status/lmhkkc4q8cwc65ko\n"
     "  :target: https://ci.appveyor.com/project/akheron/jansson\n"
     "\n"
     ".. image:: https://coveralls.io/repos/akheron/jansson/badge.png?branch=master\n"
     "  :target: https://coveralls.io/r/akheron/jansson?branch=master\n"
     "\n"
     "Jansson_ is a C library for encoding, decoding and manipulating JSON\n"
     "data. Its main features and design principles are:\n"
     "\n"
     "- Simple and intuitive API and data model\n"
     "\n"
     "- `Comprehensive documentation`_\n"
     "\n"
     "- No dependencies on other libraries\n"
     "\n"
     "- Full Unicode support (UTF-8)\n"
     "\n"
     "- Extensive test suite\n"
     "\n"
     "Jansson is licensed under the `MIT license`_; see LICENSE in the\n"
     "source distribution for details.\n"
     "\n"
     "\n"
     "Compilation and Installation\n"
     "----------------------------\n"
     "\n"
     "You can download and install Jansson using the `vcpkg <https://github.com/Microsoft/vcpkg/>`_ dependency manager:\n"
     "\n"
     ".. code-block:: bash\n"
     "\n"
     "    git clone https://github.com/Microsoft/vcpkg.git\n"
     "    cd vcpkg\n"
     "    ./bootstrap-vcpkg.sh\n"
     "    ./vcpkg integrate install\n",
     "Jansson README\r\nJansson is a C library for encoding, decoding and manipulating JSON\r\ndata. Its main features and design principles are:\r\n- Simple and intuitive API and data model\r\n- Comprehensive documentation\r\n- No dependencies on other libraries\r\n- Full Unicode support (UTF-8)\r\n- Extensive test suite\r\nJansson is licensed under the MIT license; see LICENSE in the\r\nsource distribution for details.\r\nCompilation and Installation\r\nYou can download and install Jansson using the vcpkg dependency manager:\r\ngit clone https://github.com/Microsoft/vcpkg.git\r\ncd vcpkg\r\n./bootstrap-vcpkg.sh\r\n./vcpkg integrate install"},
    {"rst_kombu_overlined_title_substitution_badges_docinfo", "README.rst",
     "========================================\n"
     " kombu - Messaging library for Python\n"
     "========================================\n"
     "\n"
     "|build-status| |coverage| |license| |wheel| |pyversion| |pyimp| |downloads|\n"
     "\n"
     ":Version: 5.2.4\n"
     ":Documentation: https://kombu.readthedocs.io/\n"
     ":Download: https://pypi.org/project/kombu/\n"
     ":Source: https://github.com/celery/kombu/\n"
     ":Keywords: messaging, amqp, rabbitmq, redis, mongodb, python, queue\n"
     "\n"
     "About\n"
     "=====\n"
     "\n"
     "`Kombu` is a messaging library for Python.\n"
     "\n"
     "The aim of `Kombu` is to make messaging in Python as easy as possible by\n"
     "providing an idiomatic high-level interface for the AMQ protocol, and also\n"
     "provide proven and tested solutions to common messaging problems.\n"
     "\n"
     "`AMQP`_ is the Advanced Message Queuing Protocol, an open standard protocol\n"
     "for message orientation, queuing, routing, reliability and security,\n"
     "for which the `RabbitMQ`_ messaging server is the most popular implementation.\n"
     "\n"
     "Features\n"
     "========\n"
     "\n"
     "* Allows application authors to support several message server\n",
     "kombu - Messaging library for Python\r\nVersion: 5.2.4\r\nDocumentation: https://kombu.readthedocs.io/\r\nDownload: https://pypi.org/project/kombu/\r\nSource: https://github.com/celery/kombu/\r\nKeywords: messaging, amqp, rabbitmq, redis, mongodb, python, queue\r\nAbout\r\nKombu is a messaging library for Python.\r\nThe aim of Kombu is to make messaging in Python as easy as possible by\r\nproviding an idiomatic high-level interface for the AMQ protocol, and also\r\nprovide proven and tested solutions to common messaging problems.\r\nAMQP is the Advanced Message Queuing Protocol, an open standard protocol\r\nfor message orientation, queuing, routing, reliability and security,\r\nfor which the RabbitMQ messaging server is the most popular implementation.\r\nFeatures\r\n* Allows application authors to support several message server"},
    {"rst_pyjwt_badges_grid_table_with_substitution_cell", "README.rst",
     "PyJWT\n"
     "=====\n"
     "\n"
     ".. image:: https://github.com/jpadilla/pyjwt/workflows/CI/badge.svg\n"
     "   :target: https://github.com/jpadilla/pyjwt/actions?query=workflow%3ACI\n"
     "\n"
     ".. image:: https://img.shields.io/pypi/v/pyjwt.svg\n"
     "   :target: https://pypi.python.org/pypi/pyjwt\n"
     "\n"
     "A Python implementation of `RFC 7519 <https://tools.ietf.org/html/rfc7519>`_. Original implementation was written by `@progrium <https://github.com/progrium>`_.\n"
     "\n"
     "Sponsor\n"
     "-------\n"
     "\n"
     "+--------------+-------------------------------------------------------+\n"
     "| |auth0-logo| | If you want to quickly add secure token-based         |\n"
     "|              | authentication, see `auth0.com <https://auth0.com>`_. |\n"
     "+--------------+-------------------------------------------------------+\n"
     "\n"
     ".. |auth0-logo| image:: https://user-images.githubusercontent.com/83319/31722733-de95bbde-b3ea-11e7-96bf-4f4e8f915588.png\n"
     "\n"
     "Installing\n"
     "----------\n"
     "\n"
     "Install with **pip**:\n"
     "\n"
     ".. code-block:: console\n"
     "\n"
     "    $ pip install PyJWT\n",
     "PyJWT\r\nA Python implementation of RFC 7519. Original implementation was written by @progrium.\r\nSponsor\r\nIf you want to quickly add secure token-based\r\nauthentication, see auth0.com.\r\nInstalling\r\nInstall with pip:\r\n$ pip install PyJWT"},
    {"rst_comment_raw_contents_note_literal_replace", "guide.rest",
     ".. This comment, and the raw block below, show nothing.\n"
     "   Nor this line of it.\n"
     "\n"
     ".. raw:: html\n"
     "\n"
     "    <p align=\"center\"><img src=\"logo.png\"></p>\n"
     "\n"
     "|project| guide\n"
     "===============\n"
     "\n"
     ".. contents:: On this page\n"
     "   :depth: 2\n"
     "\n"
     ".. note:: Keep ``snake_case_name``, *args, __init__ and 2 * 3 * 4 as written.\n"
     "\n"
     "Run it so::\n"
     "\n"
     "    tide --port *all*\n"
     "\n"
     "=======  =======\n"
     "Port     High\n"
     "=======  =======\n"
     "Harwich  12:04\n"
     "=======  =======\n"
     "\n"
     ".. |project| replace:: Tide Tables\n",
     "Tide Tables guide\r\nKeep snake_case_name, *args, __init__ and 2 * 3 * 4 as written.\r\nRun it so:\r\ntide --port *all*\r\nPort\tHigh\r\nHarwich\t12:04"},
    // Read as UTF-8: the letters are the same in code page 1252, and the
    // default character in code page 932.
    {"rst_utf8_accents_crlf", "LISEZMOI.RST",
     "Caf\xC3\xA9 Lumi\xC3\xA8re\r\n"
     "~~~~~~~~~~~~\r\n"
     "\r\n"
     "Recettes pour *cr\xC3\xAApes* et **g\xC3\xA2teaux**, \xC3\xA9t\xC3\xA9.\r\n",
     "Caf\xE9 Lumi\xE8re\r\nRecettes pour cr\xEApes et g\xE2teaux, \xE9t\xE9.",
     "Cafe Lumiere\r\nRecettes pour crepes et gateaux, ete."},
    // Shift-JIS without a mark, not UTF-8: under code page 932 the trail bytes
    // '|', '_' and '`' of "\x83\x7C" (po), "\x83\x5F" (da) and "\x83\x60" (chi)
    // are halves of letters; in a single-byte code page they end markup.
    {"rst_shift_jis_trail_bytes_are_no_markup", "README.rst",
     "\x83\x7C\x83\x5F\n"
     "====\n"
     "`x\x83\x60 and name\x83\x5F here\n",
     "\x83\x7C\x83\x5F\r\nx\x83 and name\x83 here",
     "\x83\x7C\x83\x5F\r\n`x\x83\x60 and name\x83\x5F here"},
    // Look-alikes in a plain file stay as read.
    {"rst_look_alike_in_a_plain_file_unchanged", "README.TXT",
     "Tide Tables\n"
     "===========\n"
     "\n"
     ".. note:: |x| and *y* and name_\n",
     "Tide Tables\r\n===========\r\n.. note:: |x| and *y* and name_"},
};

// clang-format on

} // namespace zandrel::test
