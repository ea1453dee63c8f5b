#include "app/core/about_layout.h"

#include <gtest/gtest.h>

namespace tq::app {
namespace {

TEST(AboutLayout, ThePanelsStackUnderAPictureTenPixelsShorterThanItsPanel) {
  const AboutLayout l = LayoutAbout({360, 120});
  EXPECT_EQ(l.imagePanel, (Rect{0, 0, 392, 130}));
  EXPECT_EQ(l.picture, (Rect{16, 5, 376, 125}));
  EXPECT_EQ(l.titlePanel.top, 130);
  EXPECT_EQ(l.buttonPanel.top, l.titlePanel.bottom);
  EXPECT_EQ(l.clientHeight, 130 + kAboutTitlePanelHeight + kAboutButtonPanelHeight + 5);
  for (const Rect& r : {l.imagePanel, l.titlePanel, l.buttonPanel}) EXPECT_EQ(r.width(), kAboutClientWidth);
}

TEST(AboutLayout, AMissingOrOversizedPictureStillLaysOut) {
  const AboutLayout none = LayoutAbout({0, 0});
  EXPECT_EQ(none.imagePanel.height(), 10);
  EXPECT_EQ(none.clientHeight, 10 + kAboutTitlePanelHeight + kAboutButtonPanelHeight + 5);
  const AboutLayout wide = LayoutAbout({500, 40});
  EXPECT_EQ(wide.picture.left, 0) << "a picture wider than the dialog starts at its left edge";
}

TEST(AboutLayout, WindowsAreCentredAndKeptOnTheWorkArea) {
  const Rect work{0, 0, 1024, 738};
  const struct {
    Rect area;
    Size size;
    Rect expected;
  } cases[] = {
      {{100, 100, 500, 400}, {200, 100}, {200, 200, 400, 300}},    // centred on its owner
      {work, {421, 160}, {301, 289, 722, 449}},                    // centred on the screen
      {{-300, -200, 100, 100}, {200, 100}, {0, 0, 200, 100}},      // owner half off the screen
      {{900, 600, 1300, 900}, {300, 200}, {724, 538, 1024, 738}},  // past the right and bottom
      {{0, 0, 1024, 738}, {1200, 900}, {0, 0, 1200, 900}},         // too big: top-left stays visible
  };
  for (const auto& c : cases) EXPECT_EQ(CentredRect(c.size, c.area, work), c.expected);
}

}  // namespace
}  // namespace tq::app
