#include "app/core/rtf_text.h"

#include <gtest/gtest.h>

namespace tq::app {
namespace {

TEST(RtfText, ShowsWhatAReaderSees) {
  const struct {
    const char* rtf;
    const char* text;
  } cases[] = {
      // Tables, info and pictures are not text; formatting words vanish with their delimiter.
      {"{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Tahoma;}}{\\colortbl ;\\red255\\green0\\blue0;}"
       "{\\*\\generator Riched20 10.0;}\\viewkind4\\uc1\\pard\\f0\\fs17 Dear \\b Sir\\b0 ,\\par Thanks\\par\n}",
       "Dear Sir,\r\nThanks"},
      {"{\\rtf1 a{\\info{\\title T}{\\author A}}b{\\*\\unknown hidden}c{\\pict\\wmetafile8 0102}d}", "abcd"},
      // Escapes, hex characters, special characters.
      {"{\\rtf1 \\{x\\} \\\\ caf\\'e9 \\emdash \\lquote q\\rquote\\tab t\\~n}",
       "{x} \\ caf\xE9 \x97\x91q\x92\tt\xA0n"},
      // \u with its fallback characters dropped; \uc changes how many.
      {"{\\rtf1 na\\u239?ve {\\uc2 \\u8364 xxE} \\u12354?}", "na\xEFve \x80" "E ?"},
      // Parameters, negative ones, and a control word ended by a non-letter.
      {"{\\rtf1\\li-120\\fi360 one\\par\\par two}", "one\r\n\r\ntwo"},
      // Line breaks in the file are not text; a backslash before one is a paragraph.
      {"{\\rtf1 one\r\ntwo\\\nthree}", "onetwo\r\nthree"},
      // Unbalanced input does not run off the end.
      {"{\\rtf1 text}}}", "text"},
      {"{\\rtf1 text\\", "text"},
      {"{\\rtf1 bad\\'zzhex\\'4", "badzzhex4"},
  };
  for (const auto& c : cases) EXPECT_EQ(RtfPlainText(c.rtf), c.text) << c.rtf;
}

TEST(RtfText, PlainRepliesStayAsTheyAre) {
  EXPECT_EQ(ReplyPlainText("Plain {text} with \\ backslash"), "Plain {text} with \\ backslash");
  EXPECT_EQ(ReplyPlainText("{\\RTF1 Rich}"), "Rich");
}

}  // namespace
}  // namespace tq::app
