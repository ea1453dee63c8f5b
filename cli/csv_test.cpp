#include "cli/csv.h"

#include <gtest/gtest.h>

namespace tq::cli::csv {
namespace {

TEST(CsvTest, RowsReadBackExactly) {
  const std::vector<Row> rows = {{"category", "description", "response", "hotkey"},
                                 {"Work", "a, b", "line 1\r\nline \"2\"\n", "Ctrl+Alt+R"},
                                 {"", "", "", ""},
                                 {"caf\xC3\xA9", "x", "y", "16466"}};
  std::string text;
  for (const Row& r : rows) text += FormatRow(r);
  EXPECT_EQ(FormatRow(rows[1]), "Work,\"a, b\",\"line 1\r\nline \"\"2\"\"\n\",Ctrl+Alt+R\r\n");
  std::vector<Row> back;
  std::string error;
  ASSERT_TRUE(Parse(text, &back, &error)) << error;
  EXPECT_EQ(back, rows);
}

TEST(CsvTest, LineEndsByteOrderMarkAndErrors) {
  std::vector<Row> rows;
  std::string error;
  ASSERT_TRUE(Parse("\xEF\xBB\xBF" "a,b\nc,d", &rows, &error));
  EXPECT_EQ(rows, (std::vector<Row>{{"a", "b"}, {"c", "d"}}));
  struct Case {
    std::string text;
    std::string error;
  } cases[] = {
      {"a,b\r\n\"open,c\r\n", "line 2: a quoted field is not closed"},
      {"a,b\n\"x\"y,c\n", "line 2: text after the closing quote of a field"},
      {"a,b\r\nc\"d\r\n", "line 2: a quote inside a field that does not start with one"},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(Parse(c.text, &rows, &error)) << c.text;
    EXPECT_EQ(error, c.error);
  }
}

}  // namespace
}  // namespace tq::cli::csv
