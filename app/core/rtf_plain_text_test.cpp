#include "app/core/rtf_plain_text.h"

#include <gtest/gtest.h>

namespace tq::app {
namespace {

TEST(RtfPlainText, KeepsTheDocumentTextAndDropsTheTables) {
  struct Case {
    const char* rtf;
    const char* text;
  };
  const Case cases[] = {
      // What a rich edit writes: font and colour tables, a generator, and a
      // closing paragraph mark that is not the user's.
      {R"({\rtf1\ansi\ansicpg1252\deff0{\fonttbl{\f0\fnil\fcharset0 Arial;}}{\colortbl ;\red255\green0\blue0;})"
       R"({\*\generator Riched20 10.0;}\viewkind4\uc1\pard\f0\fs20 Hello \b bold\b0  world\par
})",
       "Hello bold world"},
      {R"({\rtf1 one\par two\line three\tab four})", "one\r\ntwo\r\nthree\tfour"},
      {R"({\rtf1 caf\'e9 \{braces\} back\\slash})", "caf\xe9 {braces} back\\slash"},
      {R"({\rtf1\uc1 na\u239?ve \u8364?uro})", "na\xefve ?uro"},
      {R"({\rtf1 {\*\unknown hidden}shown{\pict 0123abcd}})", "shown"},
      // Damaged: unbalanced groups and a cut escape read as far as they go.
      {R"({\rtf1 cut {\b open)", "cut open"},
      {R"({\rtf1 end\')", "end"},
  };
  for (const Case& c : cases) EXPECT_EQ(RtfPlainText(c.rtf), c.text) << c.rtf;
}

TEST(RtfPlainText, PlainRepliesStayAsTheyAre) {
  EXPECT_EQ(ReplyPlainText("Thanks {for} \\ this\r\n"), "Thanks {for} \\ this\r\n");
  EXPECT_EQ(ReplyPlainText(R"({\rtf1 Thanks})"), "Thanks");
}

}  // namespace
}  // namespace tq::app
