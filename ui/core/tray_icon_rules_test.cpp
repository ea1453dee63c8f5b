#include "ui/core/tray_icon_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace tq::ui::core {
namespace {

std::u16string TipText(const TrayTip& tip) {
  return std::u16string(tip.data(), std::find(tip.begin(), tip.end(), u'\0'));
}

TEST(TrayIconRules, TipIsTheHintCutTo63UnitsOrAllZeros) {
  const TrayTip cut = MakeTrayTip(std::string(80, 'h'), true);
  EXPECT_EQ(TipText(cut), std::u16string(63, u'h'));
  EXPECT_EQ(cut[63], u'\0') << "the shell reads a zero-ended text";

  const struct {
    std::string hint;
    std::u16string tip;
  } cases[] = {
      {"Tavrin Quillet", u"Tavrin Quillet"},
      {std::string(63, 'x'), std::u16string(63, u'x')},
      {"Ответы — 日本語 👍", u"Ответы — 日本語 👍"},
      // 62 letters and an emoji: the pair would end at unit 64, so it goes whole.
      {std::string(62, 'e') + "👍", std::u16string(62, u'e')},
      {std::string(61, 'e') + "👍", std::u16string(61, u'e') + u"👍"},
      // Two-byte UTF-8 letters count as one unit each.
      {[] {
         std::string s;
         for (int i = 0; i < 70; ++i) s += "ж";
         return s;
       }(),
       std::u16string(63, u'ж')},
  };
  for (const auto& c : cases) EXPECT_EQ(TipText(MakeTrayTip(c.hint, true)), c.tip) << c.hint;

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
