#include "app/core/hotkey_registration.h"

#include <gtest/gtest.h>

#include "app/core/test_hotkeys.h"
#include "library/hotkey_value.h"

namespace tq::app {
namespace {

using Registration = testing::FakeHotKeys::Registration;

TEST(HotKeyRegistrationTest, ZeroRegistersNothingAndSaysNothing) {
  testing::FakeHotKeys keys;
  EXPECT_TRUE(RegisterGlobalHotKey(keys.registrar(), 0, kMainHotKeyId));
  EXPECT_TRUE(RegisterGlobalHotKey(keys.registrar(), 0x10000, kMainHotKeyId));
  EXPECT_TRUE(keys.registered.empty());
  EXPECT_TRUE(keys.refused_ids.empty());
  EXPECT_TRUE(keys.errors.empty());
}

TEST(HotKeyRegistrationTest, BareKeyIsShownBareButRegisteredWithCtrl) {
  testing::FakeHotKeys keys;
  EXPECT_TRUE(RegisterGlobalHotKey(keys.registrar(), 0x74, ReplyHotKeyId(3)));
  EXPECT_EQ(keys.registered, (std::vector<Registration>{{6429, library::kModControl, 0x74}}));
  EXPECT_TRUE(keys.errors.empty());
}

TEST(HotKeyRegistrationTest, RefusalShowsTheMessageEachTimeAndGivesFalse) {
  testing::FakeHotKeys keys;
  keys.TakeByOtherProgram(library::kModShift | library::kModControl, 'R');
  for (int attempt = 0; attempt < 2; ++attempt)
    EXPECT_FALSE(RegisterGlobalHotKey(keys.registrar(), 0x6052, kMenuHotKeyId));
  const std::string message =
      "Could not register the hotkey: Shift+Ctrl+R\n\nPlease choose a different hotkey that is not used by another "
      "application on your system.";
  EXPECT_EQ(keys.errors, (std::vector<std::string>{message, message}));
}

TEST(HotKeyRegistrationTest, TwoRepliesWithOneHotKeyTheFirstKeepsIt) {
  testing::FakeHotKeys keys;
  EXPECT_TRUE(RegisterGlobalHotKey(keys.registrar(), 0xC052, ReplyHotKeyId(0)));
  EXPECT_FALSE(RegisterGlobalHotKey(keys.registrar(), 0xC052, ReplyHotKeyId(1)));
  EXPECT_EQ(keys.Owner(library::kModAlt | library::kModControl, 'R'), 6426);
  ASSERT_EQ(keys.errors.size(), 1u);
  EXPECT_EQ(keys.errors[0].substr(0, 39), "Could not register the hotkey: Ctrl+Alt");
}

TEST(HotKeyRegistrationTest, FixedIdsAndReplyIndexes) {
  EXPECT_EQ(kMainHotKeyId, 6423);
  EXPECT_EQ(kMenuHotKeyId, 6424);
  EXPECT_EQ(ReplyHotKeyId(0), 6426);
  EXPECT_EQ(ReplyIndexOfHotKeyId(6426), 0);
  EXPECT_EQ(ReplyIndexOfHotKeyId(6500), 74);
  EXPECT_EQ(ReplyIndexOfHotKeyId(kMainHotKeyId), std::nullopt);
  EXPECT_EQ(ReplyIndexOfHotKeyId(kMenuHotKeyId), std::nullopt);
  EXPECT_EQ(ReplyIndexOfHotKeyId(6425), std::nullopt);
}

TEST(HotKeyRegistrationTest, TheSearchDefaultIsTakenOnlyWhenFreeAChosenKeyIsReported) {
  struct Case {
    bool chosen;
    bool taken;  // by another program
    bool registered;
    int32_t valueAfter;
    size_t errors;
  };
  const Case cases[] = {
      {false, false, true, 0xC020, 0},  // the default, free
      {false, true, false, 0, 0},       // the default, taken: quietly none
      {true, false, true, 0xC020, 0},
      {true, true, false, 0xC020, 1},  // chosen and taken: said, and kept for the next try
  };
  for (const Case& c : cases) {
    testing::FakeHotKeys keys;
    if (c.taken) keys.TakeByOtherProgram(library::kModControl | library::kModAlt, 0x20);
    int32_t value = 0xC020;
    EXPECT_EQ(RegisterSearchHotKey(keys.registrar(), value, c.chosen), c.registered);
    EXPECT_EQ(value, c.valueAfter);
    EXPECT_EQ(keys.errors.size(), c.errors);
    if (c.registered) {
      EXPECT_EQ(keys.Owner(library::kModControl | library::kModAlt, 0x20), kSearchHotKeyId);
    }
  }
}

}  // namespace
}  // namespace tq::app
