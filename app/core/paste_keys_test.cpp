#include "app/core/paste_keys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/core/integrity_rule.h"

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
            {},
            {},
            {},
            {},
            {}};
  }
};

const std::vector<std::string> kCtrlV = {"+17", "+86", "-86", "-17"};

TEST(PasteKeys, SendsCtrlVAtOnceWhenNoModifierIsHeld) {
  FakeKeyboard kb;
  PasteKeys paste;
  paste.Start(30);
  EXPECT_EQ(paste.Tick(kb.Keyboard()), PasteOutcome::Sent);
  EXPECT_EQ(kb.events, kCtrlV);
  EXPECT_FALSE(paste.Pending());
  EXPECT_EQ(paste.Tick(kb.Keyboard()), PasteOutcome::Idle);  // nothing more once done
  EXPECT_EQ(kb.events.size(), 4u);
}

TEST(PasteKeys, WaitsWhileAltIsHeldAndSendsOnceItIsUp) {
  FakeKeyboard kb;
  kb.down = {kVkMenu, kVkControl};  // Ctrl does not block: the paste uses it
  PasteKeys paste;
  paste.Start(30);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(paste.Tick(kb.Keyboard()), PasteOutcome::Waiting);
  EXPECT_TRUE(kb.events.empty());
  kb.down.erase(kVkMenu);  // the user lets go
  EXPECT_EQ(paste.Tick(kb.Keyboard()), PasteOutcome::Sent);
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
    EXPECT_EQ(paste.Tick(kb.Keyboard()), PasteOutcome::Waiting);
    EXPECT_EQ(paste.Tick(kb.Keyboard()), PasteOutcome::Waiting);
    EXPECT_EQ(paste.Tick(kb.Keyboard()), PasteOutcome::Waiting);
    EXPECT_EQ(paste.Tick(kb.Keyboard()), PasteOutcome::Sent);
    EXPECT_EQ(kb.events, c.expected);
    EXPECT_EQ(paste.Released().size(), c.held.size());
  }
}

TEST(PasteKeys, WaitsForTheTargetToComeToTheFrontWithinTheBound) {
  FakeKeyboard kb;
  TargetState target = TargetState::NotYet;
  PasteKeyboard keyboard = kb.Keyboard();
  keyboard.target_state = [&target] { return target; };
  PasteKeys paste;
  paste.Start(5);
  EXPECT_EQ(paste.Tick(keyboard), PasteOutcome::Waiting);
  EXPECT_EQ(paste.Tick(keyboard), PasteOutcome::Waiting);
  target = TargetState::Ready;
  EXPECT_EQ(paste.Tick(keyboard), PasteOutcome::Sent);
  EXPECT_EQ(kb.events, kCtrlV);
}

// The keys go to the captured target or nowhere: whatever window is in front
// instead would receive them.
TEST(PasteKeys, SendsNothingWhenTheTargetIsGoneOrNeverInFrontOrTheClipboardChanged) {
  struct Case {
    const char* what;
    std::vector<TargetState> states;  // per tick, the last repeated
    std::set<unsigned> held;
    bool clipboard_holds_reply;
    int ticks;  // ticks until the outcome
    PasteOutcome outcome;
    bool elevated = false;  // the target runs with more rights than we do
  };
  const Case cases[] = {
      {"closed before the paste", {TargetState::Gone}, {}, true, 1, PasteOutcome::TargetGone},
      {"closed while waiting to come to the front",
       {TargetState::NotYet, TargetState::NotYet, TargetState::Gone},
       {},
       true,
       3,
       PasteOutcome::TargetGone},
      {"closed while Alt is held",
       {TargetState::Ready, TargetState::Gone},
       {kVkMenu},
       true,
       2,
       PasteOutcome::TargetGone},
      {"never in front", {TargetState::NotYet}, {}, true, 4, PasteOutcome::TargetNotInFront},
      {"never in front, Shift held throughout",
       {TargetState::NotYet},
       {kVkShift},
       true,
       4,
       PasteOutcome::TargetNotInFront},
      {"in front only after the wait",
       {TargetState::NotYet, TargetState::NotYet, TargetState::NotYet, TargetState::NotYet, TargetState::Ready},
       {},
       true,
       4,
       PasteOutcome::TargetNotInFront},
      {"clipboard taken by another copy", {TargetState::Ready}, {}, false, 1, PasteOutcome::ClipboardChanged},
      {"clipboard taken while Alt is held", {TargetState::Ready}, {kVkMenu}, false, 4, PasteOutcome::ClipboardChanged},
      {"target elevated", {TargetState::Ready}, {}, true, 1, PasteOutcome::TargetElevated, true},
      {"target elevated, Alt held: not even released",
       {TargetState::Ready},
       {kVkMenu},
       true,
       4,
       PasteOutcome::TargetElevated,
       true},
  };
  for (const Case& c : cases) {
    FakeKeyboard kb;
    kb.down = c.held;
    size_t tick = 0;
    PasteKeyboard keyboard = kb.Keyboard();
    keyboard.target_state = [&] { return c.states[std::min(tick, c.states.size() - 1)]; };
    keyboard.clipboard_holds_reply = [&] { return c.clipboard_holds_reply; };
    keyboard.target_refuses_keys = [&] { return c.elevated; };
    keyboard.sync_key_state = [&kb] { kb.events.push_back("sync"); };
    PasteKeys paste;
    paste.Start(3);
    PasteOutcome outcome = PasteOutcome::Waiting;
    int ticks = 0;
    while (outcome == PasteOutcome::Waiting && ticks < 10) {
      outcome = paste.Tick(keyboard);
      ++ticks;
      ++tick;
    }
    EXPECT_EQ(outcome, c.outcome) << c.what;
    EXPECT_EQ(ticks, c.ticks) << c.what;
    EXPECT_TRUE(kb.events.empty()) << c.what;
    EXPECT_FALSE(paste.Pending()) << c.what;
    EXPECT_EQ(paste.Tick(keyboard), PasteOutcome::Idle) << c.what;
  }
}

TEST(PasteKeys, EachMethodSendsItsKeysWithItsPauses) {
  struct Case {
    PasteMethod method;
    std::u16string text;
    std::vector<std::string> events;  // as sent, "|" marking a tick
  };
  const Case cases[] = {
      {PasteMethod::CtrlV, u"", {"+17", "+86", "-86", "-17"}},
      {PasteMethod::ShiftInsert, u"", {"+16", "+45", "-45", "-16"}},
      {PasteMethod::SlowCtrlV,
       u"",
       {"+17", "|", "|", "|", "|", "|", "+86", "|", "|", "|", "|", "|", "-86", "|", "|", "|", "|", "|", "-17"}},
      // Line breaks (CR LF, or LF alone) are Enter, a tab is Tab, the rest
      // UTF-16 code units, a character outside the BMP as its two halves.
      {PasteMethod::TypeText,
       u"H\u00e9\r\nx\ty\n\U0001F600",
       {"u+72", "u-72", "u+233", "u-233", "+13", "-13", "u+120", "u-120", "+9", "-9", "u+121", "u-121", "+13", "-13",
        "u+55357", "u-55357", "u+56832", "u-56832"}},
      // Two pairs side by side stay in order, the line break after them is
      // still one Enter, and a combining mark is a unit of its own.
      {PasteMethod::TypeText,
       u"\U0001F600\U00010348\r\ne\u0301",
       {"u+55357", "u-55357", "u+56832", "u-56832", "u+55296", "u-55296", "u+57160", "u-57160", "+13", "-13", "u+101",
        "u-101", "u+769", "u-769"}},
  };
  for (const Case& c : cases) {
    FakeKeyboard kb;
    PasteKeyboard keyboard = kb.Keyboard();
    keyboard.send_unicode = [&kb](unsigned unit, bool up) {
      kb.events.push_back((up ? "u-" : "u+") + std::to_string(unit));
    };
    PasteKeys paste;
    paste.Start(3, PasteKeyEvents(c.method, c.text));
    PasteOutcome outcome;
    while ((outcome = paste.Tick(keyboard)) == PasteOutcome::Waiting) kb.events.push_back("|");
    EXPECT_EQ(outcome, PasteOutcome::Sent) << PasteMethodName(c.method);
    EXPECT_EQ(kb.events, c.events) << PasteMethodName(c.method);
  }
}

TEST(PasteKeys, KeysWithoutCtrlWaitForCtrlAndReleaseItWhenHeld) {
  struct Case {
    PasteMethod method;
    std::vector<std::string> events;
  };
  const Case cases[] = {
      {PasteMethod::ShiftInsert, {"-17", "+16", "+45", "-45", "-16"}},  // not Ctrl+Shift+Insert
      {PasteMethod::TypeText, {"-17", "u+97", "u-97", "+13", "-13"}},   // not Ctrl+Enter
      {PasteMethod::CtrlV, {"+17", "+86", "-86", "-17"}},               // Ctrl is its own
  };
  for (const Case& c : cases) {
    FakeKeyboard kb;
    kb.down = {kVkControl};
    PasteKeyboard keyboard = kb.Keyboard();
    keyboard.send_unicode = [&kb](unsigned unit, bool up) {
      kb.events.push_back((up ? "u-" : "u+") + std::to_string(unit));
    };
    PasteKeys paste;
    paste.Start(2, PasteKeyEvents(c.method, u"a\n"));
    int ticks = 1;
    while (paste.Tick(keyboard) == PasteOutcome::Waiting) ++ticks;
    EXPECT_EQ(ticks, c.method == PasteMethod::CtrlV ? 1 : 3) << PasteMethodName(c.method);
    EXPECT_EQ(kb.events, c.events) << PasteMethodName(c.method);
  }
}

// The target may still count the hotkey's Alt as down (its key-up went to
// our window): its record of the keys is put right once, before any key,
// even the release of a modifier the user holds.
TEST(PasteKeys, TheTargetsKeyStateIsBroughtInLineOnceBeforeTheFirstKey) {
  struct Case {
    PasteMethod method;
    std::set<unsigned> held;
    std::vector<std::string> events;
  };
  const Case cases[] = {
      {PasteMethod::CtrlV, {}, {"sync", "+17", "+86", "-86", "-17"}},
      {PasteMethod::CtrlV, {kVkMenu}, {"sync", "-18", "+17", "+86", "-86", "-17"}},
      {PasteMethod::SlowCtrlV, {}, {"sync", "+17", "+86", "-86", "-17"}},
  };
  for (const Case& c : cases) {
    FakeKeyboard kb;
    kb.down = c.held;
    PasteKeyboard keyboard = kb.Keyboard();
    keyboard.sync_key_state = [&kb] { kb.events.push_back("sync"); };
    PasteKeys paste;
    paste.Start(2, PasteKeyEvents(c.method));
    while (paste.Tick(keyboard) == PasteOutcome::Waiting) {
    }
    EXPECT_EQ(kb.events, c.events) << PasteMethodName(c.method) << " with " << c.held.size() << " held";
  }
}

TEST(PasteKeys, ASlowSequenceOnceBegunIsFinishedEvenWhenTheTargetGoes) {
  FakeKeyboard kb;
  TargetState target = TargetState::Ready;
  PasteKeyboard keyboard = kb.Keyboard();
  keyboard.target_state = [&target] { return target; };
  PasteKeys paste;
  paste.Start(3, PasteKeyEvents(PasteMethod::SlowCtrlV));
  EXPECT_EQ(paste.Tick(keyboard), PasteOutcome::Waiting);
  target = TargetState::Gone;
  while (paste.Tick(keyboard) == PasteOutcome::Waiting) {
  }
  EXPECT_EQ(kb.events, kCtrlV) << "Ctrl is never left down";
  EXPECT_TRUE(kb.down.empty());
}

TEST(IntegrityRule, KeysAreDroppedForAMorePrivilegedOrUnaskableTarget) {
  struct Case {
    std::optional<uint32_t> own, target;
    bool dropped;
  };
  const Case cases[] = {
      {0x2000, 0x2000, false},        // medium to medium
      {0x2000, 0x1000, false},        // to a low-integrity sandbox
      {0x2000, 0x3000, true},         // to a program run as administrator
      {0x2000, 0x4000, true},         // to a system process
      {0x3000, 0x3000, false},        // both elevated
      {0x2000, std::nullopt, true},   // the target could not be opened to ask
      {std::nullopt, 0x3000, false},  // no integrity levels here: nothing to go by
      {std::nullopt, std::nullopt, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KeysDroppedByIntegrity(c.own, c.target), c.dropped)
        << (c.own ? *c.own : 0) << " -> " << (c.target ? *c.target : 0);
  }
}

TEST(PasteKeys, NothingHappensBeforeStart) {
  FakeKeyboard kb;
  PasteKeys paste;
  EXPECT_EQ(paste.Tick(kb.Keyboard()), PasteOutcome::Idle);
  EXPECT_TRUE(kb.events.empty());
}

}  // namespace
}  // namespace tq::app
