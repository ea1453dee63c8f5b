#include "app/core/hotkey_holders.h"

#include <gtest/gtest.h>

namespace tq::app {
namespace {

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
