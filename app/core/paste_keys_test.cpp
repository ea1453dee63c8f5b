#include "app/core/paste_keys.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace tq::app {
namespace {

// A keyboard whose keys go down and up with the events sent to it, recording
// them as "+vk" / "-vk".
struct FakeKeyboard {
  std::set<unsigned> down;
  std::vector<std::string> events;
  PasteKeyboard Keyboard() {
    return {[this](unsigned vk) { return down.count(vk) != 0; },
            [this](unsigned vk, bool up) {
              events.push_back((up ? "-" : "+") + std::to_string(vk));
              if (up) {
                down.erase(vk);
              } else {
                down.insert(vk);
              }
            },
            {}};
  }
};

const std::vector<std::string> kCtrlV = {"+17", "+86", "-86", "-17"};

TEST(PasteKeys, SendsCtrlVAtOnceWhenNoModifierIsHeld) {
  FakeKeyboard kb;
  PasteKeys paste;
  paste.Start(30);
  EXPECT_TRUE(paste.Tick(kb.Keyboard()));
  EXPECT_EQ(kb.events, kCtrlV);
  EXPECT_FALSE(paste.Pending());
  EXPECT_FALSE(paste.Tick(kb.Keyboard()));  // nothing more once done
  EXPECT_EQ(kb.events.size(), 4u);
}

TEST(PasteKeys, WaitsWhileAltIsHeldAndSendsOnceItIsUp) {
  FakeKeyboard kb;
  kb.down = {kVkMenu, kVkControl};  // Ctrl does not block: the paste uses it
  PasteKeys paste;
  paste.Start(30);
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(paste.Tick(kb.Keyboard()));
  EXPECT_TRUE(kb.events.empty());
  kb.down.erase(kVkMenu);  // the user lets go
  EXPECT_TRUE(paste.Tick(kb.Keyboard()));
  EXPECT_EQ(kb.events, kCtrlV);
  EXPECT_TRUE(paste.Released().empty());
}

TEST(PasteKeys, ReleasesHeldModifiersWhenTheWaitRunsOut) {
  struct Case {
    std::set<unsigned> held;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {{kVkShift}, {"-16", "+17", "+86", "-86", "-17"}},
      {{kVkMenu, kVkShift}, {"-18", "-16", "+17", "+86", "-86", "-17"}},
      {{kVkLWin, kVkRWin}, {"-91", "-92", "+17", "+86", "-86", "-17"}},
  };
  for (const Case& c : cases) {
    FakeKeyboard kb;
    kb.down = c.held;
    PasteKeys paste;
    paste.Start(3);
    EXPECT_FALSE(paste.Tick(kb.Keyboard()));
    EXPECT_FALSE(paste.Tick(kb.Keyboard()));
    EXPECT_FALSE(paste.Tick(kb.Keyboard()));
    EXPECT_TRUE(paste.Tick(kb.Keyboard()));
    EXPECT_EQ(kb.events, c.expected);
    EXPECT_EQ(paste.Released().size(), c.held.size());
  }
}

TEST(PasteKeys, WaitsForTheTargetToComeToTheFrontWithinTheBound) {
  FakeKeyboard kb;
  bool ready = false;
  PasteKeyboard keyboard = kb.Keyboard();
  keyboard.target_ready = [&ready] { return ready; };
  PasteKeys paste;
  paste.Start(5);
  EXPECT_FALSE(paste.Tick(keyboard));
  EXPECT_FALSE(paste.Tick(keyboard));
  ready = true;
  EXPECT_TRUE(paste.Tick(keyboard));
  EXPECT_EQ(kb.events, kCtrlV);

  // A target that never comes to the front still gets the keys in the end.
  FakeKeyboard kb2;
  PasteKeyboard never = kb2.Keyboard();
  never.target_ready = [] { return false; };
  paste.Start(2);
  EXPECT_FALSE(paste.Tick(never));
  EXPECT_FALSE(paste.Tick(never));
  EXPECT_TRUE(paste.Tick(never));
  EXPECT_EQ(kb2.events, kCtrlV);
}

TEST(PasteKeys, NothingHappensBeforeStart) {
  FakeKeyboard kb;
  PasteKeys paste;
  EXPECT_FALSE(paste.Tick(kb.Keyboard()));
  EXPECT_TRUE(kb.events.empty());
}

}  // namespace
}  // namespace tq::app
