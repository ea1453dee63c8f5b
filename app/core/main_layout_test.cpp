#include "app/core/main_layout.h"

#include <gtest/gtest.h>

#include "ui/core/layout_scale.h"

namespace tq::app {
namespace {

using ui::core::ScaleForDpi;

// A button's bottom edge in its column, in screen pixels, as the toolkit
// places a control: each edge scaled on its own.
int ButtonBottom(int index, int dpi) {
  return ScaleForDpi(kMainButtonTop + index * kMainButtonPitch + kMainButtonHeight, dpi);
}

TEST(MainLayout, TheMinimumClientHoldsBothButtonColumnsWholeAtEachDpi) {
  // Four buttons 28 apart from 4 down, 24 high, 4 below: 116; three: 88.
  EXPECT_EQ(ButtonColumnHeight(4), 116);
  EXPECT_EQ(ButtonColumnHeight(3), 88);
  struct Case {
    int dpi;
    MainClientSize min;
  } cases[] = {
      // 96, 120 and 144 dpi, and the layout DPIs the message font gives
      // there under Wine (121, 148).
      {96, {162 + 78, 116 + 4 + 88}},    {120, {203 + 98, 145 + 5 + 110}},  {121, {204 + 98, 146 + 5 + 111}},
      {144, {243 + 117, 174 + 6 + 132}}, {148, {250 + 120, 179 + 6 + 136}},
  };
  for (const Case& c : cases) {
    const MainClientSize min = MainMinimumClient(c.dpi);
    EXPECT_EQ(min.width, c.min.width) << c.dpi;
    EXPECT_EQ(min.height, c.min.height) << c.dpi;
    // Refresh ends inside the tree pane's least height, Copy inside the
    // preview pane's, and both panes with the splitter fill the minimum.
    EXPECT_LE(ButtonBottom(kMainTopButtons - 1, c.dpi), MainTreePaneMinimum(c.dpi)) << c.dpi;
    EXPECT_LE(ButtonBottom(kMainBottomButtons - 1, c.dpi), MainPreviewPaneMinimum(c.dpi)) << c.dpi;
    EXPECT_EQ(MainTreePaneMinimum(c.dpi) + MainSplitterHeight(c.dpi) + MainPreviewPaneMinimum(c.dpi), min.height);
    EXPECT_LE(ScaleForDpi(kMainButtonLeft + kMainButtonWidth, c.dpi), ScaleForDpi(kMainButtonColumnWidth, c.dpi));
  }
}

TEST(MainLayout, TheDefaultTreePaneScalesAndAStoredOneIsTakenAsItIs) {
  struct Case {
    const char* what;
    std::optional<int> stored;
    int dpi, expected;
  } cases[] = {
      {"default at 96 dpi", std::nullopt, 96, 152},
      {"default at 120 dpi", std::nullopt, 120, 190},
      {"default at 144 dpi", std::nullopt, 144, 228},
      {"default at the 144-dpi font's 148", std::nullopt, 148, 234},
      {"stored", 200, 144, 200},
      {"stored as 0: the default", 0, 120, 190},
      {"stored below 0: the default", -40, 96, 152},
  };
  for (const Case& c : cases) EXPECT_EQ(InitialTreePaneHeight(c.stored, c.dpi), c.expected) << c.what;
}

TEST(MainLayout, TheTreePaneKeepsItsButtonsAndLeavesThePreviewPaneItsOwn) {
  struct Case {
    const char* what;
    int wanted, client, expected;
  } cases[] = {
      {"room for the wish", 150, 400, 150},
      {"a wish below the buttons", 40, 400, 116},
      {"a wish that would cut the preview's buttons", 350, 400, 400 - 4 - 88},
      {"just the minimum client", 150, 208, 116},
      {"less than the minimum: the tree pane's buttons first", 150, 150, 116},
  };
  for (const Case& c : cases) EXPECT_EQ(FitTreePaneHeight(c.wanted, c.client, 116, 88, 4), c.expected) << c.what;
}

}  // namespace
}  // namespace tq::app
