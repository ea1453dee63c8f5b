#include "library/rtf_html.h"

#include <gtest/gtest.h>

#include <string>

namespace tq::library {
namespace {

struct Case {
  const char* rtf;
  const char* html;
};

void ExpectHtml(const Case* begin, const Case* end) {
  for (const Case* c = begin; c != end; ++c) EXPECT_EQ(RtfHtml(c->rtf), c->html) << c->rtf;
}

TEST(RtfHtml, ParagraphsBreaksAndCharacterStyles) {
  const Case cases[] = {
      {R"({\rtf1 One\par Two\line Three\par\par Four\par})",
       "<div>One</div><div>Two<br>Three</div><div><br></div><div>Four</div>"},
      {R"({\rtf1 \b B\b0 \i I\i0 \ul U\ulnone \strike S\strike0 x\super 2\nosupersub y\sub 3\nosupersub})",
       "<div><b>B</b><i>I</i><u>U</u><s>S</s>x<sup>2</sup>y<sub>3</sub></div>"},
      // Nested groups give their formatting back when they end.
      {R"({\rtf1 a{\b b{\i\ul0 c}d}e\plain f})", "<div>a<b>b</b><b><i>c</i></b><b>d</b>ef</div>"},
      {R"({\rtf1\qc Centre\par\qr Right\par\pard Left})",
       R"(<div style="text-align:center">Centre</div><div style="text-align:right">Right</div><div>Left</div>)"},
      // A rich edit's own output: its closing paragraph mark is not the user's.
      {"{\\rtf1\\ansi\\ansicpg1252\\deff0\\nouicompat\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Calibri;}}\r\n"
       "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1 \r\n"
       "\\pard\\sa200\\sl276\\slmult1\\f0\\fs22\\lang9 Hello \\b world\\b0\\par\r\n}",
       "<div><span style=\"font-family:'Calibri';font-size:11pt\">Hello <b>world</b></span></div>"},
      {"", ""},
      {R"({\rtf1\par\par})", ""},
  };
  ExpectHtml(std::begin(cases), std::end(cases));
}

TEST(RtfHtml, FontsSizesAndColours) {
  const Case cases[] = {
      {R"({\rtf1\deff0{\fonttbl{\f0\fswiss Arial;}{\f1{\*\panose 0}Courier New;}})"
       R"({\colortbl ;\red255\green0\blue0;\red0\green128\blue255;}\f0\fs20 A\f1\fs23 B\cf1\highlight2 C\cf0 D\par})",
       "<div><span style=\"font-family:'Arial';font-size:10pt\">A</span>"
       "<span style=\"font-family:'Courier New';font-size:11.5pt\">B</span>"
       "<span style=\"font-family:'Courier New';font-size:11.5pt;color:#ff0000;background-color:#0080ff\">C</span>"
       "<span style=\"font-family:'Courier New';font-size:11.5pt;background-color:#0080ff\">D</span></div>"},
      // A colour or font the tables lack, and the automatic colour, say nothing.
      {R"({\rtf1{\colortbl ;\red1\green2\blue3;}\cf7\f3 x\cf0 y})", "<div>xy</div>"},
      // A font name cannot end the style early.
      {R"({\rtf1{\fonttbl{\f0 Evil';color:red"><b>;}}\f0 x})",
       "<div><span style=\"font-family:'Evilcolorredb'\">x</span></div>"},
  };
  ExpectHtml(std::begin(cases), std::end(cases));
}

TEST(RtfHtml, Lists) {
  const Case cases[] = {
      // As a rich edit writes them: \pn groups, each item's marker in \pntext.
      {R"({\rtf1 Intro\par{\pntext\'b7\tab}{\*\pn\pnlvlblt\pnf1\pnindent0{\pntxtb\'B7}}\fi-720\li720 One\par)"
       R"({\pntext\'b7\tab}Two\par\pard End\par})",
       "<div>Intro</div><ul><li>One</li><li>Two</li></ul><div>End</div>"},
      {R"({\rtf1{\pntext 1.\tab}{\*\pn\pnlvlbody\pndec\pnstart1{\pntxta.}}A\par{\pntext 2.\tab}B\par})",
       "<ol><li>A</li><li>B</li></ol>"},
      // As Word writes them: \lsN with the marker in \listtext.
      {R"({\rtf1{\*\listtable{\list\listid1{\listlevel\levelnfc0}}}{\listtext 1.\tab}\pard\ls1 First\par)"
       R"({\listtext\pard\plain \'b7\tab}\pard\ls2 Dot\par\pard After})",
       "<ol><li>First</li></ol><ul><li>Dot</li></ul><div>After</div>"},
      {R"({\rtf1\pard\ls3{\listtext a)\tab}A\par{\listtext o\tab}O\par{\listtext iv.\tab}IV\par{\listtext 7\tab}7\par})",
       "<ol><li>A</li></ol><ul><li>O</li></ul><ol><li>IV</li><li>7</li></ol>"},
  };
  ExpectHtml(std::begin(cases), std::end(cases));
}

TEST(RtfHtml, Hyperlinks) {
  const Case cases[] = {
      {R"({\rtf1 See {\field{\*\fldinst{HYPERLINK "https://example.com/a?b=1&c=2"}}{\fldrslt{\ul\cf1 our site}}}.})",
       R"(<div>See <a href="https://example.com/a?b=1&amp;c=2"><u>our site</u></a>.</div>)"},
      {R"({\rtf1{\field{\*\fldinst HYPERLINK \\l "top" \\o "tip"}{\fldrslt Up}}})",
       R"(<div><a href="#top">Up</a></div>)"},
      // As Word writes it: the instruction in pieces, with data of its own.
      {R"({\rtf1{\field{\*\fldinst { HYPERLINK "https://a.example/" }{{\*\datafield 00d0c9ea}}}{\fldrslt a}}})",
       R"(<div><a href="https://a.example/">a</a></div>)"},
      {R"({\rtf1{\field{\*\fldinst{HYPERLINK mailto:a@b.example}}{\fldrslt a{\b b}}})",
       R"(<div><a href="mailto:a@b.example">a<b>b</b></a></div>)"},
      // A switch of no meaning, even one of a character beyond ASCII, is passed over whole.
      {"{\\rtf1{\\field{\\*\\fldinst HYPERLINK \\\\\xC3\xA9 \"top\"}{\\fldrslt Up}}}",
       R"(<div><a href="top">Up</a></div>)"},
      // A script link, and any other field, keep only their text.
      {R"x({\rtf1{\field{\*\fldinst{HYPERLINK " JavaScript:alert(1)"}}{\fldrslt click}}})x", "<div>click</div>"},
      {R"({\rtf1 p.{\field{\*\fldinst PAGE}{\fldrslt 3}}})", "<div>p.3</div>"},
  };
  ExpectHtml(std::begin(cases), std::end(cases));
}

TEST(RtfHtml, Characters) {
  const Case cases[] = {
      {R"({\rtf1 a\tab b  c  })", R"(<div>a<span style="white-space:pre">&#9;</span>b &nbsp;c &nbsp;</div>)"},
      {R"({\rtf1  lead\line  next})", "<div>&nbsp;lead<br>&nbsp;next</div>"},
      {R"({\rtf1 <a href="x"> & \{x\} \\})", "<div>&lt;a href=&quot;x&quot;&gt; &amp; {x} \\</div>"},
      {R"({\rtf1\uc1 \u1044?\u-10179?\u-8704? caf\'e9\~x\emdash\ldblquote q\rdblquote})",
       "<div>Д😀 café\xC2\xA0x—“q”</div>"},
      {R"({\rtf1\uc2\u1044 xyZ{\uc0\u1046 k}})", "<div>ДZЖk</div>"},
      // \'hh in the code page of the font's \fcharset, else the document's.
      {R"({\rtf1\ansi\ansicpg1252{\fonttbl{\f0 Arial;}{\f1\fcharset204 Arial Cyr;}{\f2\fcharset161 Greek;}})"
       R"(\f1\'c4\'e0 \f2\'c1 \f0\'c4})",
       "<div><span style=\"font-family:'Arial Cyr'\">Да </span><span style=\"font-family:'Greek'\">Α </span>"
       "<span style=\"font-family:'Arial'\">Ä</span></div>"},
      {R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8})", "<div>При</div>"},
      // Control characters and lone surrogate halves are no text.
      {R"({\rtf1 a\u7?b\u0?c \u-10179?x \u-8704?})", "<div>abc \xEF\xBF\xBDx \xEF\xBF\xBD</div>"},
      {"{\\rtf1 \xFF\xC3(\xE2\x82}", "<div>\xEF\xBF\xBD\xEF\xBF\xBD(\xEF\xBF\xBD</div>"},
  };
  ExpectHtml(std::begin(cases), std::end(cases));
}

TEST(RtfHtml, LeavesOutWhatItCannotSay) {
  const Case cases[] = {
      {R"({\rtf1\foo\bar12 a{\*\unknown secret}b{\info{\title T}}c{\pict\wmetafile8 0123}d\zz-5 e\|\:f})",
       "<div>abcdef</div>"},
      {R"({\rtf1 a{\v hidden}b{\*\bkmkstart x}c{\stylesheet{\s1 Normal;}}})", "<div>abc</div>"},
      {"{\\rtf1{\\*\\tqplain}{\\*\\tqcategory \\u1055?}\\ansi\\ansicpg1252\\uc1 \\u1044?\\par x}",
       "<div>Д</div><div>x</div>"},
      // Damaged RTF: what could be read, in well-formed HTML.
      {R"({\rtf1 \b bold)", "<div><b>bold</b></div>"},
      {R"({\rtf1 a}}}b{)", "<div>ab</div>"},
      {R"({\rtf1 x\')", "<div>x</div>"},
      {R"({\rtf1 x\)", "<div>x</div>"},
      {R"({\rtf1{\field{\*\fldinst{HYPERLINK "https://cut)", ""},
      {R"({\rtf1{\field{\*\fldinst{HYPERLINK "https://a.example"}}{\fldrslt cut)",
       R"(<div><a href="https://a.example">cut</a></div>)"},
      {R"(plain text, no RTF)", "<div>plain text, no RTF</div>"},
  };
  ExpectHtml(std::begin(cases), std::end(cases));
}

TEST(ClipboardHtml, OffsetsPointAtThePageAndTheFragment) {
  const std::string fragment = "<div><b>x</b> é</div>";
  const std::string clip = ClipboardHtml(fragment);
  EXPECT_EQ(clip,
            "Version:0.9\r\nStartHTML:0000000105\r\nEndHTML:0000000195\r\n"
            "StartFragment:0000000139\r\nEndFragment:0000000161\r\n"
            "<html><body>\r\n<!--StartFragment--><div><b>x</b> é</div><!--EndFragment-->\r\n</body></html>");
  auto number = [&](const std::string& key) {
    const size_t at = clip.find(key + ":");
    return std::stoul(clip.substr(at + key.size() + 1, 10));
  };
  EXPECT_EQ(clip.substr(number("StartFragment"), number("EndFragment") - number("StartFragment")), fragment);
  EXPECT_EQ(clip.substr(number("StartHTML"), 6), "<html>");
  EXPECT_EQ(number("EndHTML"), clip.size());
}

}  // namespace
}  // namespace tq::library
