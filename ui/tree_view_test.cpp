#include "ui/tree_view.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ui/test_host.h"

namespace tq::ui {
namespace {

using testing::TestHost;

TEST(TreeView, HoldsCategoriesWithRepliesAndReportsTheSelectedItemsData) {
  TestHost host;
  TreeView tree;
  tree.Create(host.form, {0, 0, 300, 200});
  std::vector<LPARAM> selected;
  tree.onSelectionChanged = [&](HTREEITEM item) { selected.push_back(item ? tree.ItemData(item) : -100); };

  HTREEITEM greetings = tree.AddItem(nullptr, "Greetings", -1);
  HTREEITEM hello = tree.AddItem(greetings, "Hello", 0);
  HTREEITEM bye = tree.AddItem(greetings, "Café", 1);
  HTREEITEM other = tree.AddItem(nullptr, "Other", -2);
  EXPECT_EQ(tree.Count(), 4);

  tree.Expand(greetings);
  EXPECT_TRUE(tree.Expanded(greetings));
  tree.Select(bye);
  EXPECT_EQ(tree.Selected(), bye);
  ASSERT_FALSE(selected.empty());
  EXPECT_EQ(selected.back(), 1);

  EXPECT_EQ(tree.FirstRoot(), greetings);
  EXPECT_EQ(tree.NextSibling(greetings), other);
  EXPECT_EQ(tree.FirstChild(greetings), hello);
  EXPECT_EQ(tree.NextSibling(hello), bye);
  EXPECT_EQ(tree.Parent(bye), greetings);
  EXPECT_EQ(tree.ItemText(bye), "Café");
  tree.SetItemText(bye, "Bye");
  EXPECT_EQ(tree.ItemText(bye), "Bye");

  tree.Clear();
  EXPECT_EQ(tree.Count(), 0);
  EXPECT_EQ(tree.Selected(), nullptr);
}

TEST(TreeView, ReportsKeysAndDoubleClicks) {
  TestHost host;
  TreeView tree;
  tree.Create(host.form, {0, 0, 300, 200});
  HTREEITEM item = tree.AddItem(nullptr, "Item", 5);
  tree.Select(item);
  std::vector<UINT> down, up;
  int doubleClicks = 0;
  tree.onKeyDown = [&](UINT key) { down.push_back(key); };
  tree.onKeyUp = [&](UINT key) { up.push_back(key); };
  tree.onDoubleClick = [&] { ++doubleClicks; };

  tree.Send(WM_KEYDOWN, VK_DELETE, 1);
  tree.Send(WM_KEYUP, VK_DELETE, 0xC0000001);
  RECT r{};
  std::memcpy(&r, &item, sizeof item);  // the item goes in where the rectangle comes out
  ASSERT_TRUE(tree.Send(TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r)));
  tree.Send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(r.left + 2, r.top + 2));

  EXPECT_EQ(down, std::vector<UINT>{VK_DELETE});
  EXPECT_EQ(up, std::vector<UINT>{VK_DELETE});
  EXPECT_EQ(doubleClicks, 1);
}

}  // namespace
}  // namespace tq::ui
