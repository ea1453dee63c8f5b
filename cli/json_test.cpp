#include "cli/json.h"

#include <gtest/gtest.h>

namespace tq::cli::json {
namespace {

TEST(JsonTest, ParsesDocuments) {
  Value v;
  std::string error;
  ASSERT_TRUE(Parse(R"( {"a": [1, -2.5e3, true, false, null], "s": "x\"\\\/\n\u00e9\ud83d\ude00", "o": {}} )", &v,
                    &error))
      << error;
  ASSERT_EQ(v.type, Value::Type::Object);
  const Value* a = v.Find("a");
  ASSERT_TRUE(a);
  ASSERT_EQ(a->array.size(), 5u);
  EXPECT_EQ(a->array[1].number, -2500);
  EXPECT_EQ(a->array[1].string, "-2.5e3");
  EXPECT_TRUE(a->array[2].boolean);
  EXPECT_EQ(a->array[4].type, Value::Type::Null);
  EXPECT_EQ(v.Find("s")->string, "x\"\\/\n\xC3\xA9\xF0\x9F\x98\x80");
  EXPECT_EQ(v.Find("o")->type, Value::Type::Object);
  EXPECT_EQ(v.Find("missing"), nullptr);
}

TEST(JsonTest, ReportsWhereTheTextIsWrong) {
  struct Case {
    std::string text;
    std::string error;
  } cases[] = {
      {"{\"a\": 1,\n \"b\" 2}", "line 2, column 6: expected ':' after a member name"},
      {"[1, 2", "line 1, column 6: expected ',' or ']'"},
      {"\"abc", "line 1, column 5: unterminated string"},
      {"\"a\tb\"", "line 1, column 3: control character in a string (escape it)"},
      {"\"\\ud800\"", "line 1, column 8: lone surrogate in a \\u escape"},
      {"01x", "line 1, column 3: unexpected text after the end of the document"},
      {"tru", "line 1, column 1: unknown word"},
      {"", "line 1, column 1: unexpected end of the text"},
      {std::string(100, '['), "line 1, column 66: nested too deeply"},
  };
  for (const Case& c : cases) {
    Value v;
    std::string error;
    EXPECT_FALSE(Parse(c.text, &v, &error)) << c.text;
    EXPECT_EQ(error, c.error) << c.text;
  }
}

TEST(JsonTest, QuotedTextReadsBack) {
  const std::string text = "tab\tquote\"back\\slash\r\nbell\x07 caf\xC3\xA9";
  const std::string quoted = Quote(text);
  EXPECT_EQ(quoted, "\"tab\\tquote\\\"back\\\\slash\\r\\nbell\\u0007 caf\xC3\xA9\"");
  Value v;
  std::string error;
  ASSERT_TRUE(Parse(quoted, &v, &error)) << error;
  EXPECT_EQ(v.string, text);
}

}  // namespace
}  // namespace tq::cli::json
