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

}  // namespace
}  // namespace tq::app
