#include "library/hotkey_value.h"

#include <gtest/gtest.h>

namespace tq::library {
namespace {

TEST(HotKeyValue, SplitsValuesIntoWhatRegisterHotKeyTakes) {
  const std::pair<uint32_t, HotKeyRegistrationKeys> cases[] = {
      {0x6052, {kModShift | kModControl, 0x52}},
      {0x8041, {kModAlt, 0x41}},
      {0xE041, {kModAlt | kModControl | kModShift, 0x41}},
      {0x2041, {kModShift, 0x41}},
      {0x0074, {kModControl, 0x74}},   // bare F5 registers as Ctrl+F5
      {0x10074, {kModControl, 0x74}},  // bits above 15 do not count
  };
  for (auto [value, keys] : cases) {
    EXPECT_EQ(SplitHotKey(value), keys) << std::hex << value;
    // Back from what WM_HOTKEY reports: the combination Windows registered.
    EXPECT_EQ(JoinHotKey(keys), value == 0x74 || value == 0x10074 ? 0x4074 : (value & 0xFFFF)) << std::hex << value;
  }
}

TEST(HotKeyValue, CombinationsAreTheOnesWindowsRegisters) {
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

TEST(HotKeyValue, ALibrarysClashesGoToTheFirstReplyWithTheCombination) {
  using Clashes = std::vector<HotKeyClash>;
  EXPECT_EQ(FindHotKeyClashes({}), Clashes{});
  EXPECT_EQ(FindHotKeyClashes({0, 0, 0xC052}), Clashes{}) << "no hotkey clashes with none";
  // 0: Ctrl+Alt+R, 1: F5, 2: Ctrl+Alt+R, 3: Ctrl+F5 (F5's), 4: Shift+F5, 5: Ctrl+Alt+R.
  EXPECT_EQ(FindHotKeyClashes({0xC052, 0x74, 0xC052, 0x4074, 0x2074, 0xC052}), (Clashes{{0, 2}, {1, 3}, {0, 5}}));
}

}  // namespace
}  // namespace tq::library
