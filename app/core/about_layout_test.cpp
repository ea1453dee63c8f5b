#include "app/core/about_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tq::app {
namespace {

TEST(AboutLayout, ThePanelsStackUnderAPictureTenPixelsShorterThanItsPanel) {
  const AboutLayout l = LayoutAbout({360, 120}, 96);
  EXPECT_EQ(l.imagePanel, (Rect{0, 0, 392, 130}));
  EXPECT_EQ(l.pictureAt, (Rect{16, 5, 376, 125}));
  EXPECT_EQ(l.titlePanel, (Rect{0, 130, 392, 130 + kAboutTitlePanelHeight}));
  EXPECT_EQ(l.buttonPanel.top, l.titlePanel.bottom);
  EXPECT_EQ(l.client, (Size{392, 130 + kAboutTitlePanelHeight + kAboutButtonPanelHeight + 5}));
  EXPECT_EQ(l.licenseBtn, (Rect{10, 230, 85, 255}));
  EXPECT_EQ(l.readmeBtn, (Rect{93, 230, 168, 255}));
  EXPECT_EQ(l.closeBtn, (Rect{307, 230, 382, 255}));
}

TEST(AboutLayout, ThePictureScalesWithTheDialogAndStaysCentredAtEachDpi) {
  // The About picture is 372 by 96; 121 and 148 are the layout DPIs the
  // message font gives at 120 and 144 dpi under Wine.
  for (int dpi : {96, 120, 121, 144, 148, 192}) {
    const AboutLayout l = LayoutAbout({372, 96}, dpi);
    auto scale = [dpi](int pixels) { return (pixels * dpi + 48) / 96; };
    EXPECT_EQ(l.picture, (Size{scale(372), scale(96)})) << dpi;
    EXPECT_EQ(l.pictureAt.width(), l.picture.width) << dpi;
    EXPECT_LE(std::abs(l.pictureAt.left - (l.client.width - l.pictureAt.right)), 1) << dpi << ": centred";
    EXPECT_EQ(l.imagePanel.height() - l.pictureAt.bottom, l.pictureAt.top) << dpi << ": as much room below as above";
    EXPECT_EQ(l.client.width, scale(kAboutClientWidth)) << dpi;
    for (const Rect& r : {l.imagePanel, l.titlePanel, l.buttonPanel}) EXPECT_EQ(r.width(), l.client.width) << dpi;
    EXPECT_EQ(l.titlePanel.top, l.imagePanel.bottom) << dpi;
    EXPECT_EQ(l.buttonPanel.top, l.titlePanel.bottom) << dpi;
    // The buttons are whole in their panel, Close as far from the right edge
    // as License from the left, Readme clear of License.
    for (const Rect& b : {l.licenseBtn, l.readmeBtn, l.closeBtn}) {
      EXPECT_GE(b.top, l.buttonPanel.top) << dpi;
      EXPECT_LE(b.bottom, l.buttonPanel.bottom) << dpi;
      EXPECT_EQ(b.width(), scale(kAboutButtonWidth)) << dpi;
    }
    EXPECT_EQ(l.client.width - l.closeBtn.right, l.licenseBtn.left) << dpi;
    EXPECT_GT(l.readmeBtn.left, l.licenseBtn.right) << dpi;
    EXPECT_LT(l.readmeBtn.right, l.closeBtn.left) << dpi;
    EXPECT_GT(l.client.height, l.buttonPanel.bottom) << dpi;
  }
}

TEST(AboutLayout, AMissingOrOversizedPictureStillLaysOut) {
  const AboutLayout none = LayoutAbout({0, 0}, 96);
  EXPECT_EQ(none.imagePanel.height(), 10);
  EXPECT_EQ(none.client.height, 10 + kAboutTitlePanelHeight + kAboutButtonPanelHeight + 5);
  const AboutLayout wide = LayoutAbout({500, 40}, 144);
  EXPECT_EQ(wide.pictureAt.left, 0) << "a picture wider than the dialog starts at its left edge";
}

}  // namespace
}  // namespace tq::app
