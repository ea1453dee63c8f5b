#include "library/reply_plain_text.h"

#include <gtest/gtest.h>

#include "library/reply_plain_text_test_cases.h"
#include "storage/reply_text_codec.h"

namespace tq::library {
namespace {

TEST(ReplyPlainText, IsTheTextARichEditShowsLineByLine) {
  for (const testing::PlainTextCase& c : testing::PlainTextCases())
    EXPECT_EQ(ReplyPlainText(c.response), c.text) << c.response;
}

// The RTF reader's own cases; each text ends with the line break of its
// last paragraph.
TEST(ReplyPlainText, KeepsTheDocumentTextAndDropsTheTables) {
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
      {R"({\rtf1 caf\'e9 \{braces\} back\\slash})", "café {braces} back\\slash"},
      {R"({\rtf1\uc1 na\u239?ve \u8364?uro})", "naïve €uro"},
      // \ucN fallbacks: none, two characters, one as \'xx; a group ends \uc.
      {R"({\rtf1\uc0 \u1046\u1046 {\uc2\u1046??x}\u1046})", "ЖЖЖxЖ"},
      {R"({\rtf1\u1046\'3f!})", "Ж!"},
      // Surrogate pairs (negative as RTF writes them), and lone halves.
      {R"({\rtf1 \u-10179?\u-9139? \u-10179?x \u-9139?})", "👍 \xEF\xBF\xBDx \xEF\xBF\xBD"},
      // \'xx in the document's code page; raw UTF-8 passes through.
      {R"({\rtf1\ansi\ansicpg1251 \'cf\'f0\'e8\'e2\'e5\'f2 \'80})", "Привет Ђ"},
      {R"({\rtf1\ansi\ansicpg1253 \'c1\'e2\'e3 \'d2})", "Αβγ \xEF\xBF\xBD"},
      {R"({\rtf1\ansi\ansicpg932 \'e9\'80 日本})", "é€ 日本"},
      // The codec's marks and its plain form read as the text.
      {"{\\rtf1{\\*\\tqplain}{\\*\\tqcategory \\u1055?}\\ansi\\ansicpg1252\\uc1 \\u1044?\\par x}", "Д\r\nx"},
      {R"({\rtf1 {\*\unknown hidden}shown{\pict 0123abcd}})", "shown"},
      // Damaged: unbalanced groups and a cut escape read as far as they go.
      {R"({\rtf1 cut {\b open)", "cut open"},
      {R"({\rtf1 end\')", "end"},
      {R"({\rtf1 a\é b})", "a b"},  // an unknown symbol, its character whole
  };
  for (const Case& c : cases) EXPECT_EQ(ReplyPlainText(c.rtf), std::string(c.text) + "\r\n") << c.rtf;
}

// A plain reply beyond Windows-1252 is stored as RTF with the plain-text
// mark; read back through the codec it is plain again, and its text is the
// same as before storing.
TEST(ReplyPlainText, APlainReplyStoredWithThePlainMarkGivesItsOwnText) {
  const std::string response = "Да\r\n{not rtf} \\par\ttab";
  const storage::ReplyTexts stored = storage::EncodeReplyTexts({"C", "D", response});
  ASSERT_TRUE(stored.response.starts_with("{\\rtf1{\\*\\tqplain}")) << stored.response;
  const std::string decoded = storage::DecodeReplyTexts(stored).response;
  EXPECT_EQ(decoded, response);
  EXPECT_EQ(ReplyPlainText(decoded), "Да\r\n{not rtf} \\par\ttab\r\n");
}

}  // namespace
}  // namespace tq::library
