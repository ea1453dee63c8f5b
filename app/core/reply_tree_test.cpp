#include "app/core/reply_tree.h"

#include <gtest/gtest.h>

#include "app/core/hotkey_value.h"
#include "app/core/test_hotkeys.h"

namespace tq::app {
namespace {

using Registration = testing::FakeHotKeys::Registration;

// "Category: reply(index), reply(index); Category: ..." in tree order.
std::string Outline(const ReplyTree& tree) {
  std::string out;
  for (const auto& c : tree.categories()) {
    if (!out.empty()) out += "; ";
    out += c.text + ":";
    for (size_t i = 0; i < c.replies.size(); ++i)
      out += (i ? ", " : " ") + c.replies[i].text + "(" + std::to_string(c.replies[i].index) + ")";
  }
  return out;
}

ReplyTree Build(const std::vector<ReplyRecord>& records, bool show_hotkeys = false) {
  testing::FakeHotKeys keys;
  return BuildReplyTree(records, show_hotkeys, keys.registrar());
}

TEST(ReplyTreeTest, EmptyLibraryHasNoCategories) {
  ReplyTree tree = Build({});
  EXPECT_TRUE(tree.categories().empty());
  EXPECT_EQ(tree.reply_count(), 0u);
  EXPECT_TRUE(tree.ReplyHotKeyIds().empty());
}

TEST(ReplyTreeTest, RebuildMergesCategoriesDifferingInCaseUnderTheFirstSpelling) {
  ReplyTree tree = Build({
      {"Sales", "Quote", "", 0},
      {"support", "Hours", "", 0},
      {"sales", "Follow up", "", 0},
      {"SALES", "Intro", "", 0},
      {"Caf\xE9", "Menu", "", 0},
      {"CAF\xC9", "Opening", "", 0},
      {"Cafe", "Other", "", 0},  // an accent is not letter case
  });
  EXPECT_EQ(Outline(tree),
            "Cafe: Other(6); Caf\xE9: Menu(4), Opening(5); Sales: Follow up(2), Intro(3), Quote(0); support: Hours(1)");

  // The first record's spelling names the node, whatever the others say.
  EXPECT_EQ(Outline(Build({{"sales", "A", "", 0}, {"Sales", "B", "", 0}})), "sales: A(0), B(1)");
}

TEST(ReplyTreeTest, AddedReplyMatchesCategoriesExactlyUntilTheNextRebuild) {
  std::vector<ReplyRecord> records = {{"Sales", "Quote", "", 0}, {"Support", "Hours", "", 0}};
  ReplyTree tree = Build(records);

  ReplyRecord exact{"Sales", "Agenda", "", 0};
  EXPECT_EQ(tree.AddReplyNode(exact, 2, false), (ReplyPlace{0, 1})) << "appended, not sorted";
  ReplyRecord other_case{"SALES", "Intro", "", 0};
  EXPECT_EQ(tree.AddReplyNode(other_case, 3, false), (ReplyPlace{2, 0})) << "a node of its own, after the others";
  EXPECT_EQ(Outline(tree), "Sales: Quote(0), Agenda(2); Support: Hours(1); SALES: Intro(3)");
  tree.Sort();
  EXPECT_EQ(Outline(tree), "Sales: Agenda(2), Quote(0); SALES: Intro(3); Support: Hours(1)");

  records.push_back(exact);
  records.push_back(other_case);
  EXPECT_EQ(Outline(Build(records)), "Sales: Agenda(2), Intro(3), Quote(0); Support: Hours(1)");
}

TEST(ReplyTreeTest, HotKeySuffixesAreShownAndTakePartInTheOrder) {
  const std::vector<ReplyRecord> records = {
      {"General", "note", "", 0x4041},
      {"General", "Note", "", 0},
      {"General", "Thanks", "", 0x6054},
  };
  EXPECT_EQ(Outline(Build(records, false)), "General: note(0), Note(1), Thanks(2)");
  EXPECT_EQ(Outline(Build(records, true)), "General: Note(1), note (Ctrl+A)(0), Thanks (Shift+Ctrl+T)(2)");
}

TEST(ReplyTreeTest, RebuildRegistersEachHotKeyAndReportsRefusalsOncePerReply) {
  testing::FakeHotKeys keys;
  keys.TakeByOtherProgram(kModControl, 'Q');
  const std::vector<ReplyRecord> records = {
      {"B", "first", "", 0xC052},  // Ctrl+Alt+R
      {"A", "none", "", 0},       {"A", "same key", "", 0xC052},
      {"B", "bare F5", "", 0x74}, {"A", "taken elsewhere", "", 0x4051},
  };
  ReplyTree tree = BuildReplyTree(records, false, keys.registrar());
  EXPECT_EQ(keys.registered,
            (std::vector<Registration>{{6426, kModControl | kModAlt, 'R'}, {6429, kModControl, 0x74}}));
  EXPECT_EQ(keys.refused_ids, (std::vector<int>{6428, 6430}));
  ASSERT_EQ(keys.errors.size(), 2u);
  EXPECT_EQ(keys.errors[0].substr(0, 41), "Could not register the hotkey: Ctrl+Alt+R");
  EXPECT_EQ(keys.errors[1].substr(0, 37), "Could not register the hotkey: Ctrl+Q");
  EXPECT_EQ(tree.reply_count(), 5u) << "refused replies keep their nodes";

  // Every reply node's id is released, in tree order, hotkey or not.
  const std::vector<int> ids = tree.ReplyHotKeyIds();
  EXPECT_EQ(ids, (std::vector<int>{6427, 6428, 6430, 6429, 6426}));

  // Refresh: release, rebuild. Nothing is refused that was ours before.
  for (int id : ids) keys.Unregister(id);
  keys.errors.clear();
  keys.refused_ids.clear();
  BuildReplyTree(records, false, keys.registrar());
  EXPECT_EQ(keys.refused_ids, (std::vector<int>{6428, 6430}));
  EXPECT_EQ(keys.Owner(kModControl | kModAlt, 'R'), 6426);
  EXPECT_EQ(keys.Owner(kModControl, 0x74), 6429);
}

TEST(ReplyTreeTest, DeleteAndAddKeepIndexesInStep) {
  ReplyTree tree = Build({{"A", "r0", "", 0}, {"B", "r1", "", 0}, {"A", "r2", "", 0}, {"B", "r3", "", 0}});
  // Delete reply 1: later replies move down by one.
  auto place = tree.FindReply(1);
  ASSERT_TRUE(place);
  tree.DeleteReplyNode(*place);
  EXPECT_EQ(tree.ShiftReplyIndexes(2, -1), (std::vector<int>{2, 3}));
  EXPECT_EQ(Outline(tree), "A: r0(0), r2(1); B: r3(2)");
  EXPECT_FALSE(tree.FindReply(3));

  // Add a reply that lands at index 1: the others from 1 on move up.
  ReplyPlace added = tree.AddReplyNode({"B", "new", "", 0}, 1, false);
  EXPECT_EQ(tree.ShiftReplyIndexes(1, +1, added), (std::vector<int>{1, 2}));
  EXPECT_EQ(Outline(tree), "A: r0(0), r2(2); B: r3(3), new(1)");

  tree.SetReplyText(*tree.FindReply(3), "renamed");
  tree.Sort();
  EXPECT_EQ(Outline(tree), "A: r0(0), r2(2); B: new(1), renamed(3)");

  // A category left empty stays until the next rebuild.
  tree.DeleteReplyNode(*tree.FindReply(0));
  tree.DeleteReplyNode(*tree.FindReply(2));
  EXPECT_EQ(Outline(tree), "A:; B: new(1), renamed(3)");
}

TEST(ReplyTreeTest, SortsWithAGivenComparison) {
  ReplyTree tree = Build({{"b", "x", "", 0}, {"C", "y", "", 0}, {"a", "z", "", 0}});
  EXPECT_EQ(Outline(tree), "a: z(2); b: x(0); C: y(1)");
  tree.Sort([](std::string_view a, std::string_view b) { return a.compare(b); });  // plain bytes: capitals first
  EXPECT_EQ(Outline(tree), "C: y(1); a: z(2); b: x(0)");
  tree.Sort([](std::string_view a, std::string_view b) { return b.compare(a); });
  EXPECT_EQ(Outline(tree), "b: x(0); a: z(2); C: y(1)");
}

}  // namespace
}  // namespace tq::app
