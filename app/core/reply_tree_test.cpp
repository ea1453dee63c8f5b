#include "app/core/reply_tree.h"

#include <gtest/gtest.h>

#include "app/core/test_hotkeys.h"
#include "library/hotkey_value.h"

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

ReplyTree Build(const std::vector<library::ReplyRecord>& records, bool show_hotkeys = false) {
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
      {"Café", "Menu", "", 0},
      {"CAFÉ", "Opening", "", 0},
      {"Cafe", "Other", "", 0},  // an accent is not letter case
      {"Письма", "Ответ", "", 0},
      {"ПИСЬМА", "Привет", "", 0},
  });
  EXPECT_EQ(Outline(tree),
            "Cafe: Other(6); Café: Menu(4), Opening(5); Sales: Follow up(2), Intro(3), Quote(0); support: Hours(1); "
            "Письма: Ответ(7), Привет(8)");

  // The first record's spelling names the node, whatever the others say.
  EXPECT_EQ(Outline(Build({{"sales", "A", "", 0}, {"Sales", "B", "", 0}})), "sales: A(0), B(1)");
}

TEST(ReplyTreeTest, AddedReplyMatchesCategoriesExactlyUntilTheNextRebuild) {
  std::vector<library::ReplyRecord> records = {{"Sales", "Quote", "", 0}, {"Support", "Hours", "", 0}};
  ReplyTree tree = Build(records);

  library::ReplyRecord exact{"Sales", "Agenda", "", 0};
  EXPECT_EQ(tree.AddReplyNode(exact, 2, false, 0), (ReplyPlace{0, 1})) << "appended, not sorted";
  library::ReplyRecord other_case{"SALES", "Intro", "", 0};
  EXPECT_EQ(tree.AddReplyNode(other_case, 3, false, 0), (ReplyPlace{2, 0})) << "a node of its own, after the others";
  EXPECT_EQ(Outline(tree), "Sales: Quote(0), Agenda(2); Support: Hours(1); SALES: Intro(3)");
  tree.Sort();
  EXPECT_EQ(Outline(tree), "Sales: Agenda(2), Quote(0); SALES: Intro(3); Support: Hours(1)");

  records.push_back(exact);
  records.push_back(other_case);
  EXPECT_EQ(Outline(Build(records)), "Sales: Agenda(2), Intro(3), Quote(0); Support: Hours(1)");
}

TEST(ReplyTreeTest, HotKeySuffixesAreShownAndTakePartInTheOrder) {
  const std::vector<library::ReplyRecord> records = {
      {"General", "note", "", 0x4041},
      {"General", "Note", "", 0},
      {"General", "Thanks", "", 0x6054},
  };
  EXPECT_EQ(Outline(Build(records, false)), "General: note(0), Note(1), Thanks(2)");
  EXPECT_EQ(Outline(Build(records, true)), "General: Note(1), note (Ctrl+A)(0), Thanks (Shift+Ctrl+T)(2)");
}

TEST(ReplyTreeTest, RebuildRegistersEachHotKeyAndReportsRefusalsOncePerReply) {
  testing::FakeHotKeys keys;
  keys.TakeByOtherProgram(library::kModControl, 'Q');
  const std::vector<library::ReplyRecord> records = {
      {"B", "first", "", 0xC052},  // Ctrl+Alt+R
      {"A", "none", "", 0},       {"A", "same key", "", 0xC052},
      {"B", "bare F5", "", 0x74}, {"A", "taken elsewhere", "", 0x4051},
  };
  ReplyTree tree = BuildReplyTree(records, false, keys.registrar());
  EXPECT_EQ(keys.registered, (std::vector<Registration>{{6426, library::kModControl | library::kModAlt, 'R'},
                                                        {6429, library::kModControl, 0x74}}));
  EXPECT_EQ(keys.refused_ids, (std::vector<int>{6428, 6430}));
  // The reply that lost its key to another reply is told so, by name; the
  // other program's refusal names the reply too.
  EXPECT_EQ(keys.errors, (std::vector<std::string>{
                             "Could not register the hotkey: Ctrl+Alt+R\n\nThe reply \"same key\" cannot have it: it "
                             "is already the hotkey of the reply \"first\". Please choose a different hotkey for one "
                             "of them.",
                             "Could not register the hotkey: Ctrl+Q\n\nPlease choose a different hotkey that is not "
                             "used by another application on your system.\n\nIt is the hotkey of the reply \"taken "
                             "elsewhere\".",
                         }));
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
  EXPECT_EQ(keys.Owner(library::kModControl | library::kModAlt, 'R'), 6426);
  EXPECT_EQ(keys.Owner(library::kModControl, 0x74), 6429);
}

TEST(ReplyTreeTest, OnlyTheReplyThatHoldsAHotKeyShowsIt) {
  testing::FakeHotKeys keys;
  keys.TakeByOtherProgram(library::kModControl, 'Q');
  // The main window's hotkey Ctrl+Alt+Q, registered before the library.
  ASSERT_TRUE(RegisterGlobalHotKey(keys.registrar(), 0xC051, kMainHotKeyId));
  const std::vector<library::ReplyRecord> records = {
      {"A", "first", "", 0x4074},   // Ctrl+F5
      {"A", "second", "", 0x74},    // F5, registered as Ctrl+F5
      {"A", "third", "", 0xC051},   // the main window's
      {"A", "fourth", "", 0x4051},  // another program's
      {"A", "fifth", "", 0x6074},   // Shift+Ctrl+F5, a combination of its own
  };
  ReplyTree tree = BuildReplyTree(records, true, keys.registrar(), {{0xC051, std::string(kMainHotKeyName)}});
  EXPECT_EQ(Outline(tree), "A: fifth (Shift+Ctrl+F5)(4), first (Ctrl+F5)(0), fourth(3), second(1), third(2)");
  ASSERT_EQ(keys.errors.size(), 3u);
  EXPECT_EQ(keys.errors[0],
            "Could not register the hotkey: F5\n\nThe reply \"second\" cannot have it: it is already the hotkey of "
            "the reply \"first\". Please choose a different hotkey for one of them.");
  EXPECT_EQ(keys.errors[1],
            "Could not register the hotkey: Ctrl+Alt+Q\n\nThe reply \"third\" cannot have it: it is already the "
            "hotkey that shows the main window. Please choose a different hotkey for one of them.");

  // What the reply dialog is told is held, leaving out the reply edited.
  const std::vector<HotKeyHolder> holders = ReplyHotKeyHolders(tree, records, 4);
  ASSERT_EQ(holders.size(), 1u);
  EXPECT_EQ(holders[0].value, 0x4074u);
  EXPECT_EQ(holders[0].name, "the hotkey of the reply \"first\"");

  // A node set again after an edit shows the hotkey it now holds, or none.
  const ReplyPlace second = *tree.FindReply(1);
  tree.SetReplyNode(second, records[1], true, 0);
  EXPECT_EQ(tree.reply(second).text, "second");
  tree.SetReplyNode(second, records[1], true, 0x74);
  EXPECT_EQ(tree.reply(second).text, "second (F5)");
  EXPECT_EQ(tree.reply(second).hotkey, 0x74u);
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
  ReplyPlace added = tree.AddReplyNode({"B", "new", "", 0}, 1, false, 0);
  EXPECT_EQ(tree.ShiftReplyIndexes(1, +1, added), (std::vector<int>{1, 2}));
  EXPECT_EQ(Outline(tree), "A: r0(0), r2(2); B: r3(3), new(1)");

  tree.SetReplyNode(*tree.FindReply(3), {"B", "renamed", "", 0}, false, 0);
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

TEST(ReplyTree, NodeTextAddsTheHotKeyOnlyWhenAskedAndPresent) {
  struct Case {
    const char* description;
    int32_t hot_key;
    bool show;
    const char* text;
  };
  const Case cases[] = {
      {"Thanks", 0x6054, true, "Thanks (Shift+Ctrl+T)"},
      {"Thanks", 0x6054, false, "Thanks"},
      {"Thanks", 0, true, "Thanks"},
      {"Quote", 0xC052, true, "Quote (Ctrl+Alt+R)"},
      {"Bare", 0x74, true, "Bare (F5)"},
      {"Odd", 0x10000, true, "Odd"},  // no hotkey in the low 16 bits
      {"", 0x8041, true, " (Alt+A)"},
  };
  for (const Case& c : cases) {
    library::ReplyRecord r{"Cat", c.description, "text", c.hot_key};
    EXPECT_EQ(ReplyNodeText(r, c.show), c.text) << c.description << " " << c.hot_key;
  }
}

}  // namespace
}  // namespace tq::app
