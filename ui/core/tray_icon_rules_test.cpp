#include "ui/core/tray_icon_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tq::ui::core {
namespace {

std::string TipText(const TrayTip& tip) { return std::string(tip.data(), std::find(tip.begin(), tip.end(), '\0')); }

TEST(TrayIconRules, TipIsTheHintCutTo63CharactersOrAllZeros) {
  const std::string eighty(80, 'h');
  const TrayTip cut = MakeTrayTip(eighty, true);
  EXPECT_EQ(TipText(cut), std::string(63, 'h'));
  EXPECT_EQ(cut[63], '\0') << "the shell reads a zero-ended text";

  EXPECT_EQ(TipText(MakeTrayTip("Tavrin Quillet", true)), "Tavrin Quillet");
  EXPECT_EQ(TipText(MakeTrayTip(std::string(63, 'x'), true)), std::string(63, 'x'));

  const TrayTip zeros{};
  EXPECT_EQ(MakeTrayTip("Tavrin Quillet", false), zeros) << "hint not shown";
  EXPECT_EQ(MakeTrayTip("", true), zeros) << "no hint";
}

TEST(TrayIconRules, AnimationWalksTheImagesAndStartsAgain) {
  std::vector<int> seen;
  int index = 0;
  for (int step = 0; step < 7; ++step) {
    seen.push_back(index);
    index = NextIconIndex(index, 3);
  }
  EXPECT_EQ(seen, (std::vector<int>{0, 1, 2, 0, 1, 2, 0}));

  EXPECT_EQ(NextIconIndex(0, 1), 0) << "one image";
  EXPECT_EQ(NextIconIndex(0, 0), 0) << "an empty list";
  EXPECT_EQ(NextIconIndex(5, 3), 0) << "the list shrank under the index";
}

TEST(TrayIconRules, ShiftStateHoldsTheKeysAndTheEventsButton) {
  struct Case {
    ModifierKeys keys;
    std::optional<MouseButton> button;
    TShiftState expected;
  } cases[] = {
      {{}, std::nullopt, 0},
      {{}, MouseButton::mbLeft, ssLeft},
      {{.shift = true}, MouseButton::mbRight, ssShift | ssRight},
      {{.alt = true, .ctrl = true}, MouseButton::mbMiddle, ssAlt | ssCtrl | ssMiddle},
      {{.shift = true, .alt = true, .ctrl = true}, std::nullopt, ssShift | ssAlt | ssCtrl},
  };
  for (const Case& c : cases) EXPECT_EQ(MakeShiftState(c.keys, c.button), c.expected);
}

}  // namespace
}  // namespace tq::ui::core
