#include "app/core/reply_hotkeys.h"

#include <gtest/gtest.h>

#include <map>

#include "app/core/test_hotkeys.h"
#include "library/hotkey_value.h"

namespace tq::app {
namespace {

using testing::FakeHotKeys;

// Replies by index with the hotkeys Ctrl+Alt+A, Ctrl+Alt+B, ...; index 2 has
// none.
struct Library {
  std::map<int, int32_t> hotkeys;
  FakeHotKeys keys;

  explicit Library(int count) {
    for (int i = 0; i < count; ++i) {
      hotkeys[i] = i == 2 ? 0 : static_cast<int32_t>(library::kHotKeyCtrl | library::kHotKeyAlt | ('A' + i));
      RegisterGlobalHotKey(keys.registrar(), static_cast<uint32_t>(hotkeys[i]), ReplyHotKeyId(i));
    }
  }
  void Move(const std::vector<int>& old_indexes, int delta) {
    MoveReplyHotKeys(
        old_indexes, delta, [this](int id) { keys.Unregister(id); }, keys.registrar(),
        [this](int index) { return hotkeys.at(index); });
  }
  // The id that now holds the hotkey of the reply with this letter.
  int HolderOf(char letter) const {
    return keys.Owner(library::kModControl | library::kModAlt, static_cast<unsigned>(letter));
  }
};

TEST(MoveReplyHotKeys, AfterAnAddEveryLaterReplyKeepsItsOwnHotKeyWithoutAMessage) {
  Library lib(5);
  // A reply without hotkey lands at index 1: the old 1..4 become 2..5. Each
  // hotkey's new id is still held by its neighbour until all are released.
  for (int i = 4; i >= 1; --i) lib.hotkeys[i + 1] = lib.hotkeys[i];
  lib.hotkeys[1] = 0;

  lib.Move({1, 2, 3, 4}, +1);

  EXPECT_TRUE(lib.keys.errors.empty()) << lib.keys.errors.front();
  EXPECT_EQ(lib.HolderOf('A'), ReplyHotKeyId(0));
  EXPECT_EQ(lib.HolderOf('B'), ReplyHotKeyId(2));
  EXPECT_EQ(lib.HolderOf('D'), ReplyHotKeyId(4));
  EXPECT_EQ(lib.HolderOf('E'), ReplyHotKeyId(5));
}

TEST(MoveReplyHotKeys, AfterADeleteTheLaterRepliesMoveDownOne) {
  Library lib(5);
  // Reply 1 (Ctrl+Alt+B) is deleted: its id goes, the others move down.
  lib.keys.Unregister(ReplyHotKeyId(1));
  for (int i = 2; i < 5; ++i) lib.hotkeys[i - 1] = lib.hotkeys[i];
  lib.hotkeys.erase(4);

  lib.Move({2, 3, 4}, -1);

  EXPECT_TRUE(lib.keys.errors.empty());
  EXPECT_EQ(lib.HolderOf('A'), ReplyHotKeyId(0));
  EXPECT_EQ(lib.HolderOf('B'), 0);
  EXPECT_EQ(lib.HolderOf('D'), ReplyHotKeyId(2));
  EXPECT_EQ(lib.HolderOf('E'), ReplyHotKeyId(3));
}

TEST(MoveReplyHotKeys, AHotKeyTakenMeanwhileIsReportedAndTheOthersStillMove) {
  Library lib(4);
  lib.keys.Unregister(ReplyHotKeyId(0));
  for (int i = 1; i < 4; ++i) lib.hotkeys[i - 1] = lib.hotkeys[i];
  lib.hotkeys.erase(3);
  lib.keys.Unregister(ReplyHotKeyId(1));
  lib.keys.TakeByOtherProgram(library::kModControl | library::kModAlt, 'B');

  lib.Move({1, 2, 3}, -1);

  ASSERT_EQ(lib.keys.errors.size(), 1u);
  EXPECT_NE(lib.keys.errors[0].find("Alt+B"), std::string::npos) << lib.keys.errors[0];
  EXPECT_EQ(lib.HolderOf('D'), ReplyHotKeyId(2));
}

}  // namespace
}  // namespace tq::app
