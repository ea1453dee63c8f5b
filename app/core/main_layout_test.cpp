#include "app/core/main_layout.h"

#include <gtest/gtest.h>

namespace tq::app {
namespace {

TEST(MainLayout, TheMinimumClientHoldsBothButtonColumnsWhole) {
  // Four buttons 28 apart from 4 down, 24 high, 4 below: 116; three: 88.
  EXPECT_EQ(ButtonColumnHeight(4), 116);
  EXPECT_EQ(ButtonColumnHeight(3), 88);
  const MainClientSize min = MainMinimumClient();
  EXPECT_EQ(min.height, 116 + 4 + 88);
  EXPECT_EQ(min.width, 162 + 78);
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
