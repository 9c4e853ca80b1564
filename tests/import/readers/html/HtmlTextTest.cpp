// The web page reader on its own: the exact text it leaves, before the
// normaliser would hide a break or a blank at either end of a line.

#include <gtest/gtest.h>

#include <string>

#include "import/readers/html/HtmlText.h"

namespace zandrel {
namespace {

struct HtmlRow {
    const char16_t* page;
    const char16_t* text; // lines end in LF
};

// clang-format off
const HtmlRow HtmlRows[] = {
    {u"<p>a</p><p>b</p>", u"a\nb"},                                  // no break at either end
    {u"<br><br>a<br><br><br>b<br>", u"a\nb"},                         // nor an empty line
    {u" a \n\t b ", u"a b"},
    {u"a b  c\td\ne f ", u"a b c d e f"},                             // one space stays as it is
    {u"a &amp; b <b>c</b> d\u00E9 \u00E9", u"a & b c d\u00E9 \u00E9"},
    {u"a\x01 \x01b", u"a\x01 \x01b"},                                   // controls are text
    {u"<pre>a \tb  </pre>c", u"a \tb  \nc"},                            // in <pre> it all stays
    {u"<pre><title>a \t b</title>c  d</pre>", u"a b\nc  d"},            // but in a title
    {u"<pre>\n  x  y \n\n\n z</pre>", u"x  y \nz"},                   // a line's indentation goes later
    {u"<pre>a</pre>\n\n<pre>\nb</pre>", u"a\nb"},
    {u"<table><tr><td></td><td>a</td><td></td><td>b</td><td></td></tr></table>", u"a\t\tb"},
    {u"<tr><th>a</th><th>b</th><tr><td>c", u"a\tb\nc"},
    {u"x<title> T  t </title>y<h1>T t</h1>z", u"x\nT t\ny\nz"},         // the title where it stands
    {u"<title>A</title><h2>B</h2><h1> A </h1>z", u"A\nB\nz"},         // the first that repeats it
    {u"<title>A</title><h1>A</h1><h1>A</h1>", u"A\nA"},               // only once
    {u"<title>A b</title><h1>A<br>b</h1>z", u"A b\nz"},             // white space collapsed
    {u"<h1>A</h1><title>A</title>", u"A\nA"},                         // a heading before it stays
    {u"<title>A</title><title>B</title>c", u"A\nc"},
    {u"<title>A<b>B</b><p>C</title>", u"ABC"},                        // one line
    {u"<title>a<</title>b", u"a<\nb"},
    {u"<title>cut", u"cut"},
    {u"a<!-->b<!--->c<!---->d<!-- x -- y -->e", u"abcde"},
    {u"a<!DOCTYPE html>b<?php echo 1; ?>c<!x>d</ x>e</>f", u"abcdef"},
    {u"<p title=don't>x</p><p a=\"'>'\" b='\">'>y</p>", u"x\ny"},
    {u"<p a=\"b>c", u""},
    {u"a < b <3 c", u"a < b <3 c"},
    {u"a <", u"a"},                                                   // the read cut a tag off
    {u"a <!--", u"a"},
    {u"<script src=x />shown<style/>too", u"showntoo"},
    {u"<script>a</scripts>b</script >c<SCRIPT>d</Script>e", u"ce"},
    {u"<noscript>a</noscript>b<template>c</template>d<noframes>e", u"bd"},
    {u"a&#10;b&#32;&#32;c", u"a b c"},
    {u"one &#13; two &#10; three &#x0D; four", u"one two three four"}, // white space, collapsed
    {u"a&#9;b&#12;c&#13;&#10;d", u"a b c d"},
    {u"<pre>a&#10;b&#13;c&#9;d&#12;e</pre>", u"a\nb c\td e"},        // only LF breaks a line
    {u"<title>a&#10;b</title>", u"a b"},
    {u"a&#1;b&#x1F;c&#127;d&#129;e&#x9D;f", u"abcdef"},               // controls show nothing
    {u"a &#8; b", u"a b"},
    {u"<p>&#1;</p><p>&#x7F;</p>x", u"x"},                             // nor make a line
    {u"&#0;&#150;&#159;", u"\uFFFD\u2013\u0178"},
    {u"a&nbsp; &nbsp;b", u"a\u00A0 \u00A0b"},
    {u"&#x1F600;&lt;p&gt;", u"\U0001F600<p>"},
    {u"&amp &AMP; &#; &#x110000;", u"&amp &AMP; &#; \uFFFD"},
};
// clang-format on

TEST(HtmlText, LeavesTheTextABrowserShows)
{
    for (const HtmlRow& row : HtmlRows) {
        std::u16string text(row.page);
        const std::u16string sentinels(8, u'#');
        text += sentinels; // the reader must stop at its count
        const std::size_t units = std::char_traits<char16_t>::length(row.page);
        const std::size_t length = HtmlToText(text.data(), units);
        SCOPED_TRACE(testing::Message() << "row " << (&row - HtmlRows));
        ASSERT_LE(length, units);
        EXPECT_TRUE(text.substr(0, length) == row.text);
        EXPECT_EQ(text.substr(units), sentinels);
    }
}

} // namespace
} // namespace zandrel
