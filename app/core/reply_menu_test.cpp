#include "app/core/reply_menu.h"

#include <gtest/gtest.h>

#include "app/core/test_hotkeys.h"

namespace tq::app {
namespace {

using Kind = ReplyMenuItem::Kind;

ReplyTree Build(const std::vector<library::ReplyRecord>& records, bool show_hotkeys = false) {
  testing::FakeHotKeys keys;
  return BuildReplyTree(records, show_hotkeys, keys.registrar());
}

// "caption[index]" items, submenus in braces.
std::string Describe(const std::vector<ReplyMenuItem>& items) {
  std::string out;
  for (const auto& item : items) {
    if (!out.empty()) out += " ";
    out += item.caption;
    if (item.kind == Kind::Reply) out += "[" + std::to_string(item.reply_index) + "]";
    if (item.kind == Kind::Submenu) out += "{" + Describe(item.items) + "}";
  }
  return out;
}

TEST(ReplyMenuTest, EmptyLibraryGivesOnlySeparatorAndClose) {
  auto menu = BuildReplyMenu(Build({}));
  ASSERT_EQ(menu.size(), 2u);
  EXPECT_EQ(menu[0].kind, Kind::Separator);
  EXPECT_EQ(menu[0].caption, "-");
  EXPECT_EQ(menu[1].kind, Kind::Close);
  EXPECT_EQ(menu[1].caption, "&Close");
}

TEST(ReplyMenuTest, FollowsTheTreesOrderAndTexts) {
  const std::vector<library::ReplyRecord> records = {
      {"Support", "Hours", "", 0},
      {"R&D", "Bug &report", "", 0x6052},
      {"Support", "Closing", "", 0},
      {"-", "Dash", "", 0},
  };
  EXPECT_EQ(Describe(BuildReplyMenu(Build(records))),
            "-{Dash[3]} R&D{Bug &report[1]} Support{Closing[2] Hours[0]} - &Close");
  auto with_keys = BuildReplyMenu(Build(records, true));
  EXPECT_EQ(with_keys[1].items[0].caption, "Bug &report (Shift+Ctrl+R)");
  EXPECT_EQ(with_keys[0].kind, Kind::Submenu) << "a category named - stays a submenu";
}

TEST(ReplyMenuTest, EachReplyItemInsertsItsOwnReplyAfterADelete) {
  ReplyTree tree = Build({{"A", "zero", "", 0}, {"A", "one", "", 0}, {"B", "two", "", 0}, {"B", "three", "", 0}});
  tree.DeleteReplyNode(*tree.FindReply(1));
  tree.ShiftReplyIndexes(2, -1);
  auto menu = BuildReplyMenu(tree);
  EXPECT_EQ(Describe(menu), "A{zero[0]} B{three[2] two[1]} - &Close");
  for (const auto& category : menu)
    for (const auto& item : category.items) {
      const auto place = tree.FindReply(item.reply_index);
      ASSERT_TRUE(place) << item.caption;
      EXPECT_EQ(tree.reply(*place).text, item.caption);
    }
}

}  // namespace
}  // namespace tq::app
