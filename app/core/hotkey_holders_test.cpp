#include "app/core/hotkey_holders.h"

#include <gtest/gtest.h>

namespace tq::app {
namespace {

TEST(HotKeyHolders, CombinationsAreTheOnesWindowsRegisters) {
  struct Case {
    uint32_t a, b;
    bool same;
  };
  const Case cases[] = {
      {0xC052, 0xC052, true},   // Ctrl+Alt+R twice
      {0x74, 0x4074, true},     // F5 is registered as Ctrl+F5
      {0x74, 0x2074, false},    // Shift+F5 keeps its own modifier
      {0x4074, 0x6074, false},  // Ctrl+F5, Shift+Ctrl+F5
      {0x1C052, 0xC052, true},  // bits above the packed 16 do not count
      {0, 0, false},            // no hotkey is nobody's combination
      {0x10000, 0, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SameHotKeyCombination(c.a, c.b), c.same) << std::hex << c.a << " " << c.b;
    EXPECT_EQ(SameHotKeyCombination(c.b, c.a), c.same) << std::hex << c.b << " " << c.a;
  }
}

TEST(HotKeyHolders, ALibrarysClashesGoToTheFirstReplyWithTheCombination) {
  using Clashes = std::vector<HotKeyClash>;
  EXPECT_EQ(FindHotKeyClashes({}), Clashes{});
  EXPECT_EQ(FindHotKeyClashes({0, 0, 0xC052}), Clashes{}) << "no hotkey clashes with none";
  // 0: Ctrl+Alt+R, 1: F5, 2: Ctrl+Alt+R, 3: Ctrl+F5 (F5's), 4: Shift+F5, 5: Ctrl+Alt+R.
  EXPECT_EQ(FindHotKeyClashes({0xC052, 0x74, 0xC052, 0x4074, 0x2074, 0xC052}), (Clashes{{0, 2}, {1, 3}, {0, 5}}));
}

TEST(HotKeyHolders, TheFirstHolderIsNamed) {
  const std::vector<HotKeyHolder> holders = {
      {0xC051, std::string(kMainHotKeyName)},
      {0x74, ReplyHotKeyName("Thanks")},
      {0x4074, ReplyHotKeyName("Later")},
  };
  EXPECT_EQ(FindHotKeyHolder(holders, 0), nullptr);
  EXPECT_EQ(FindHotKeyHolder(holders, 0xC052), nullptr);
  ASSERT_NE(FindHotKeyHolder(holders, 0x4074), nullptr);
  EXPECT_EQ(FindHotKeyHolder(holders, 0x4074)->name, "the hotkey of the reply \"Thanks\"");

  EXPECT_EQ(HotKeyTakenText(0x4074, *FindHotKeyHolder(holders, 0x4074)),
            "Ctrl+F5 is already the hotkey of the reply \"Thanks\".");
  EXPECT_EQ(HotKeyTakenText(0xC051, holders[0]), "Ctrl+Alt+Q is already the hotkey that shows the main window.");
}

TEST(HotKeyHolders, ARefusedReplyHotKeyIsToldWithTheReplysName) {
  const HotKeyHolder first{0xC052, ReplyHotKeyName("First")};
  EXPECT_EQ(
      ReplyHotKeyFailure(0xC052, "Second", &first),
      "Could not register the hotkey: Ctrl+Alt+R\n\nThe reply \"Second\" cannot have it: it is already the hotkey "
      "of the reply \"First\". Please choose a different hotkey for one of them.");
  EXPECT_EQ(ReplyHotKeyFailure(0xC052, "Second", nullptr),
            "Could not register the hotkey: Ctrl+Alt+R\n\nPlease choose a different hotkey that is not used by another "
            "application on your system.\n\nIt is the hotkey of the reply \"Second\".");
}

}  // namespace
}  // namespace tq::app
