// The filter: the expression forms, exact field names, byte comparison, and
// the caller's filter hook.
#include <gtest/gtest.h>

#include "storage/errors.h"
#include "storage/filter_expression.h"
#include "storage/test_support.h"

namespace tq::storage {
namespace {

using testing::ReplyTableFixture;

class FilterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    f.CreateAndOpen();
    f.Add("Work", "Meeting", "", 0x4041);
    f.Add("Home", "apple");
    f.Add(" Work ", "Zebra");
    f.Add("Workshop", "Lunch");
    f.Add("work", "Monday");
  }
  std::vector<std::string> Visit(const std::string& filter) {
    f.table.SetFilter(filter);
    f.table.SetFiltered(true);
    std::vector<std::string> seen;
    for (f.table.First(); !f.table.Eof(); f.table.Next()) seen.push_back(f.Description());
    return seen;
  }
  ReplyTableFixture f;
};

TEST_F(FilterTest, ExpressionForms) {
  using V = std::vector<std::string>;
  struct Case {
    std::string filter;
    V visited;
  } cases[] = {
      {"Category='Work'", {"Meeting", "Zebra"}},  // the value is trimmed before comparing
      {"  Category  ='Work'", {"Meeting", "Zebra"}},
      {"Category= 'Work' ", {}},  // quotes are found by position: the literal is "'Work'"
      {"category='Work'", {"Meeting", "apple", "Zebra", "Lunch", "Monday"}},  // names no field
      {"HotKey='0'", {}},                                                     // not a text field
      {"Description>='M'", {"Meeting", "apple", "Zebra", "Monday"}},          // lower case counts as greater
      {"Description>'Meeting'", {"apple", "Zebra", "Monday"}},
      {"Description<'M'", {"Lunch"}},
      {"Description<='Lunch'", {"Lunch"}},
      {"Category='Work", {}},  // the last character is taken as the quote
      {"no operator", {"Meeting", "apple", "Zebra", "Lunch", "Monday"}},
      {"", {"Meeting", "apple", "Zebra", "Lunch", "Monday"}},
  };
  for (const Case& c : cases) EXPECT_EQ(Visit(c.filter), c.visited) << c.filter;

  f.table.SetFiltered(false);
  EXPECT_EQ(Visit("Category='Home'"), V{"apple"});
  f.table.SetFiltered(false);
  f.table.First();
  EXPECT_EQ(f.Description(), "Meeting");
}

TEST_F(FilterTest, CursorOperationsHonourTheFilter) {
  Visit("Category='Work'");
  f.table.Last();
  EXPECT_EQ(f.Description(), "Zebra");
  f.table.First();
  EXPECT_EQ(f.table.MoveBy(5), 1);
  EXPECT_EQ(f.table.RecordCount(), 5);  // the live count, filter or not
  EXPECT_THROW(f.table.GotoBookmark(1), EDatabaseError);
  f.table.SetRecNo(2);  // slot 1 is rejected: the next accepted one
  EXPECT_EQ(f.Description(), "Zebra");
}

TEST_F(FilterTest, TheHookReplacesTheExpressionAndItsErrorsReject) {
  f.table.OnFilterRecord = [](TBinaryDataSet& t, bool& accept) {
    const std::string d = t.FieldByName("Description").AsString();
    if (d == "Zebra") throw std::runtime_error("boom");
    accept = d.size() == 5;
  };
  EXPECT_EQ(Visit("Category='Home'"), (std::vector<std::string>{"apple", "Lunch"}));
}

TEST(FilterExpressionTest, ParsesByPosition) {
  FilterExpression x = ParseFilter("Name>='Mo'");
  EXPECT_TRUE(x.hasOperator);
  EXPECT_EQ(x.fieldName, "Name");
  EXPECT_EQ(x.op, FilterExpression::Op::GreaterEqual);
  EXPECT_EQ(x.literal, "Mo");
  x = ParseFilter("A<=");
  EXPECT_EQ(x.op, FilterExpression::Op::LessEqual);
  EXPECT_EQ(x.literal, "");
  x = ParseFilter("A='x>y'");  // the first '>' wins, wherever it is
  EXPECT_EQ(x.op, FilterExpression::Op::Greater);
  EXPECT_EQ(x.fieldName, "A='x");
  EXPECT_EQ(TrimFilterText("\t\x01 a b \r\n"), "a b");
  EXPECT_TRUE(FilterAccepts(FilterExpression::Op::Less, "ab", "abc"));
  EXPECT_TRUE(FilterAccepts(FilterExpression::Op::Greater, "\xE9", "z"));  // unsigned codes
}

}  // namespace
}  // namespace tq::storage
