#include "app/core/tree_selection.h"

#include <gtest/gtest.h>

#include "app/core/test_hotkeys.h"

namespace tq::app {
namespace {

TreeSelection Reply(int index) {
  TreeSelection s;
  s.reply = index;
  return s;
}

TreeSelection Category(const std::string& text) {
  TreeSelection s;
  s.category = text;
  return s;
}

TEST(TreeSelection, AfterDeleteTheNextReplyThenThePreviousThenTheCategory) {
  // Tree order: Billing: Invoice(3), Refund(1), Reminder(4); Sales: Quote(0);
  // Support: Hours(2).
  testing::FakeHotKeys keys;
  const ReplyTree tree = BuildReplyTree({{"Sales", "Quote", "", 0},
                                         {"Billing", "Refund", "", 0},
                                         {"Support", "Hours", "", 0},
                                         {"Billing", "Invoice", "", 0},
                                         {"Billing", "Reminder", "", 0}},
                                        false, keys.registrar());
  struct Case {
    int deleted;
    TreeSelection expected;
  };
  const Case cases[] = {
      // The next reply, whose index moves down past the deleted one.
      {3, Reply(1)},
      {1, Reply(3)},
      // The last of its category: the one before (below the deleted index, unchanged).
      {4, Reply(1)},
      // The only reply: its category.
      {0, Category("Sales")},
      {2, Category("Support")},
      // Not in the tree: nothing.
      {7, TreeSelection{}},
      {-1, TreeSelection{}},
  };
  for (const Case& c : cases) EXPECT_EQ(SelectionAfterDelete(tree, c.deleted), c.expected) << "deleted " << c.deleted;
}

}  // namespace
}  // namespace tq::app
