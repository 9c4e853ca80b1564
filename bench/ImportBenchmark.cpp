// The import's steps on 4,095-byte inputs, and the whole import of a 4,095-byte
// file next to a bare open, read and close of the same file.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "import/text/ApplyLineLimit.h"
#include "import/ConvertReadText.h"
#include "import/readers/html/HtmlText.h"
#include "import/readers/markdown/MarkdownText.h"
#include "import/ImportDescription.h"
#include "import/ImportLimits.h"
#include "import/text/NormaliseDescriptionText.h"
#include "import/ReadTextStart.h"
#include "import/readers/rtf/RichText.h"
#include "import/readers/rst/RestructuredText.h"
#include "platform/PosixFileSource.h"
#include "support/PathCallback.h"
#include "support/TextPieces.h"

namespace zandrel {
namespace {

// Prose in 80-column lines ended by CR LF, cut at the read limit.
std::string TypicalText()
{
    static const std::string words =
        "The quick brown fox jumps over the lazy dog while seven wise owls watch it ";
    std::string text;
    std::size_t column = 0;
    for (std::size_t i = 0; text.size() < ReadLimit; ++i) {
        text += words[i % words.size()];
        if (++column == 80) {
            text += "\r\n";
            column = 0;
        }
    }
    text.resize(ReadLimit);
    return text;
}

void BM_NormaliseDescriptionText(benchmark::State& state, const std::string& source)
{
    NormalisedBuffer result;
    for (auto _ : state) {
        benchmark::DoNotOptimize(NormaliseDescriptionText(source.c_str(), result));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * source.size()));
}

void BM_ApplyLineLimit(benchmark::State& state, const std::string& source)
{
    std::string text = source; // no cut: the limit exceeds the lines, so every byte is scanned
    for (auto _ : state) {
        ApplyLineLimit(text.data(), INT_MAX);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * source.size()));
}

// The same prose with every 'o' as "ö" in UTF-8 without a mark, cut at the
// read limit: converted to the ANSI code page.
std::string Utf8Text()
{
    std::string text;
    for (const char c : TypicalText()) {
        text += c == 'o' ? std::string("\xC3\xB6") : std::string(1, c);
    }
    text.resize(ReadLimit);
    return text;
}

// The conversion step that every import runs after the read, with the reader
// that the file's name or start chooses; plain ASCII is only looked at. Each
// round starts from the bytes read.
void BM_ConvertReadText(benchmark::State& state, const std::string& source,
                        const char* name = "README.TXT")
{
    ReadBuffer text;
    for (auto _ : state) {
        std::memcpy(text.data(), source.data(), source.size());
        text[source.size()] = '\0';
        ConvertReadText(text, source.size(), name);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * source.size()));
}

// A README.md as projects write it: a badge, headings, paragraphs with links,
// emphasis and code, a list, a fenced block and reference definitions, repeated
// and cut at the read limit.
std::string MarkdownReadme()
{
    static const std::string section =
        "[![Build status](https://ci.example.org/harbour/badge.svg)](https://ci.example.org/harbour)\n"
        "\n"
        "Harbour Clock\n"
        "=============\n"
        "\n"
        "A **desktop clock** with tide tables for [the harbours of the\n"
        "coast](https://harbour.example.org/), alarms per user and a `--quiet` mode.\n"
        "See [INSTALL][] and <https://harbour.example.org/docs> &mdash; *snake_case* names\n"
        "such as `tide_table_path` stay as written.\n"
        "\n"
        "## Building\n"
        "\n"
        "* Run `make` in the top folder.\n"
        "* Install with `make install PREFIX=/usr/local`.\n"
        "\n"
        "```sh\n"
        "./configure --with-tides && make\n"
        "```\n"
        "\n"
        "[INSTALL]: INSTALL.md\n"
        "\n";
    std::string text;
    while (text.size() < ReadLimit) {
        text += section;
    }
    text.resize(ReadLimit);
    return text;
}

// A README.rst as Python projects write it: badges, an overlined title, a field
// list, paragraphs with references, roles and literals, a list, a literal
// block, a note, a simple table and the targets and definitions, repeated and
// cut at the read limit.
std::string RestructuredTextReadme()
{
    static const std::string section =
        ".. image:: https://ci.example.org/harbour/badge.svg\n"
        "   :target: https://ci.example.org/harbour\n"
        "\n"
        "|version| |licence|\n"
        "\n"
        "=============\n"
        "Harbour Clock\n"
        "=============\n"
        "\n"
        ":Author: Ann Lee\n"
        ":Version: 2.1\n"
        "\n"
        "A **desktop clock** with tide tables for `the harbours of the\n"
        "coast <https://harbour.example.org/>`_, alarms per user and a ``--quiet`` mode.\n"
        "See INSTALL_ and :ref:`the manual <manual>` -- *snake_case* names\n"
        "such as ``tide_table_path`` and ``__init__`` stay as written [1]_.\n"
        "\n"
        "Building\n"
        "--------\n"
        "\n"
        "* Run ``make`` in the top folder.\n"
        "* Install with::\n"
        "\n"
        "    make install PREFIX=/usr/local\n"
        "\n"
        ".. note:: The clock needs the tide tables of 2024.\n"
        "\n"
        "=======  =====\n"
        "Port     High\n"
        "=======  =====\n"
        "Harwich  12:04\n"
        "=======  =====\n"
        "\n"
        ".. _INSTALL: INSTALL.rst\n"
        ".. |version| image:: https://img.example.org/v.svg\n"
        ".. |licence| replace:: MIT\n"
        "\n";
    std::string text;
    while (text.size() < ReadLimit) {
        text += section;
    }
    text.resize(ReadLimit);
    return text;
}

// The reStructuredText reader alone, on the text already decoded to wide text.
void BM_RestructuredTextToText(benchmark::State& state, const std::string& source)
{
    const std::u16string readme(source.begin(), source.end()); // ASCII
    std::u16string text;
    for (auto _ : state) {
        text = readme;
        benchmark::DoNotOptimize(RestructuredTextToText(text.data(), text.size()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * source.size()));
}

// A generated manual page as documentation trees hold them: a head with its
// meta tags, style and script, then paragraphs with links, character
// references, a table and a pre block, cut at the read limit.
std::string WebPage()
{
    std::string page =
        "<!DOCTYPE html PUBLIC \"-//W3C//DTD HTML 4.01 Transitional//EN\">\n<html>\n<head>\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
        "<title>Harbour Gazette Archive</title>\n<style type=\"text/css\">\n"
        "body { font-family: Georgia, serif; margin: 1em 5%; }\n"
        "pre { background: #eee; }\n</style>\n"
        "<script>if (window.matchMedia) { document.body.className = 'wide'; }</script>\n"
        "</head>\n<body>\n<h1>Harbour Gazette Archive</h1>\n<!-- generated -->\n";
    for (int section = 1; page.size() < ReadLimit; ++section) {
        page += "<h2 id=\"s" + std::to_string(section) + "\">" + std::to_string(section) +
                " Caf&eacute; notes &mdash; part " + std::to_string(section) +
                "</h2>\n"
                "<p>The archive keeps <a href=\"issues.html\" title=\"All issues\">every issue</a> "
                "of the gazette from the first number onwards, with scanned pages,\n"
                "an index of names&nbsp;and places, and notes on the printers &amp; binders.</p>\n"
                "<table border=\"1\"><tr><th>Year</th><th>Issues</th></tr>"
                "<tr><td>1921</td><td>52</td></tr></table>\n"
                "<pre>\n  search --year 1921 --name &quot;Hale&quot;\n</pre>\n";
    }
    page.resize(ReadLimit);
    return page;
}

// The Markdown reader alone, on the README already decoded to wide text.
void BM_MarkdownToText(benchmark::State& state, const std::string& source)
{
    const std::u16string readme(source.begin(), source.end()); // ASCII
    std::u16string text;
    for (auto _ : state) {
        text = readme;
        benchmark::DoNotOptimize(MarkdownToText(text.data(), text.size()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * source.size()));
}

// The web page reader alone, on the page already decoded to wide text.
void BM_HtmlToText(benchmark::State& state, const std::string& source)
{
    const std::u16string page(source.begin(), source.end()); // ASCII
    std::u16string text;
    for (auto _ : state) {
        text = page;
        benchmark::DoNotOptimize(HtmlToText(text.data(), text.size()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * source.size()));
}

// A WordPad-style document: font and colour tables, then formatted
// paragraphs with escaped characters and a table, cut at the read limit.
std::string RichTextDocument()
{
    std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033"
                      "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fnil\\fcharset2 Symbol;}}\r\n"
                      "{\\colortbl ;\\red0\\green0\\blue255;}\r\n"
                      "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1\r\n";
    while (rtf.size() < ReadLimit) {
        rtf += "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang9 The {\\b Orrery Clock} shows the "
               "planets\\rquote  positions and the phases of the Moon; caf\\'e9 \\u8364? 12.\\par\r\n"
               "{\\pntext\\f1\\'B7\\tab}Run ORRERY.EXE from the folder you chose.\\par\r\n"
               "\\trowd\\cellx2000\\cellx4000 Version\\cell 3.1\\cell\\row\r\n";
    }
    rtf.resize(ReadLimit);
    return rtf;
}

// The Rich Text reader alone, from the document's bytes.
void BM_RichTextToWide(benchmark::State& state, const std::string& source)
{
    WideTextBuffer wide;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            RichTextToWide(source.data(), source.size(), wide.data(), wide.size()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * source.size()));
}

BENCHMARK_CAPTURE(BM_ConvertReadText, ascii, TypicalText());
BENCHMARK_CAPTURE(BM_ConvertReadText, markdown, MarkdownReadme(), "README.md");
BENCHMARK_CAPTURE(BM_ConvertReadText, restructured_text, RestructuredTextReadme(), "README.rst");
BENCHMARK_CAPTURE(BM_RestructuredTextToText, readme, RestructuredTextReadme());
BENCHMARK_CAPTURE(BM_ConvertReadText, utf8, Utf8Text());
BENCHMARK_CAPTURE(BM_ConvertReadText, html, WebPage()); // chosen by its start
BENCHMARK_CAPTURE(BM_HtmlToText, page, WebPage());
BENCHMARK_CAPTURE(BM_MarkdownToText, readme, MarkdownReadme());
BENCHMARK_CAPTURE(BM_ConvertReadText, rtf, RichTextDocument(), "README.RTF");
BENCHMARK_CAPTURE(BM_RichTextToWide, document, RichTextDocument());
BENCHMARK_CAPTURE(BM_NormaliseDescriptionText, typical, TypicalText());
BENCHMARK_CAPTURE(BM_NormaliseDescriptionText, worst, test::WorstCaseText());
BENCHMARK_CAPTURE(BM_ApplyLineLimit, typical, TypicalText());
BENCHMARK_CAPTURE(BM_ApplyLineLimit, worst, test::WorstCaseText());

// A 4,095-byte typical text file, written once for the run.
const std::string& BenchFile()
{
    static const std::string path = [] {
        char name[] = "/tmp/zandrel-bench-XXXXXX";
        const int fd = ::mkstemp(name);
        const std::string text = TypicalText();
        if (fd < 0 || ::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
            std::perror("zandrel_bench: cannot write the sample file");
            std::exit(1);
        }
        ::close(fd);
        std::atexit([] { ::unlink(BenchFile().c_str()); });
        return std::string(name);
    }();
    return path;
}

void BM_ImportDescription(benchmark::State& state)
{
    char description[DescriptionCapacity];
    test::PathCallback::Answer(BenchFile());
    for (auto _ : state) {
        PosixFileSource source;
        // No line limit: the whole text goes through every step.
        ImportDescription("README.TXT\0", description, &test::PathCallback::Resolve, source,
                          LineLimit{});
        benchmark::DoNotOptimize(description[0]);
    }
    if (description[0] == '\0') {
        state.SkipWithError("the import gave no description");
    }
}

// The file part of the import alone: open, size, position, read, close.
void BM_ReadTextStart(benchmark::State& state)
{
    const char* path = BenchFile().c_str();
    ReadBuffer buffer;
    for (auto _ : state) {
        PosixFileSource source;
        benchmark::DoNotOptimize(ReadTextStart(source, path, buffer));
    }
}

void BM_BareOpenReadClose(benchmark::State& state)
{
    const char* path = BenchFile().c_str();
    char buffer[ReadBufferSize];
    for (auto _ : state) {
        const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
        benchmark::DoNotOptimize(::read(fd, buffer, ReadLimit));
        ::close(fd);
    }
}

BENCHMARK(BM_ImportDescription);
BENCHMARK(BM_ReadTextStart);
BENCHMARK(BM_BareOpenReadClose);

} // namespace
} // namespace zandrel

BENCHMARK_MAIN();
