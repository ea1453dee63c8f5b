#include "ui/dpi.h"

#include <gtest/gtest.h>

namespace tq::ui {
namespace {

TEST(ScaleForDpi, AdjacentRectanglesStayAdjacent) {
  for (int dpi : {96, 110, 120, 144, 168, 192}) {
    const Rect left = ScaleForDpi(Rect{5, 7, 10, 23}, dpi);
    const Rect right = ScaleForDpi(Rect{15, 7, 11, 23}, dpi);
    EXPECT_EQ(left.right(), right.x) << dpi;
    EXPECT_EQ(left.bottom(), right.bottom()) << dpi;
  }
  EXPECT_EQ(ScaleForDpi(Rect{8, 8, 75, 25}, 96), (Rect{8, 8, 75, 25}));
}

// The design font's measure is what the message font measures on a 96-dpi
// screen (the test prefix's), so layouts there keep their own pixels.
TEST(LayoutDpiFor, TheMessageFontAt96DpiIsTheDesignFont) {
  ASSERT_EQ(ScreenDpi(), 96) << "the test prefix runs at 96 dpi";
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
  HFONT font = CreateFontIndirectA(&metrics.lfMessageFont);
  const core::FontMeasure measure = MeasureFont(font);
  EXPECT_EQ(measure.cellHeight, core::kDesignFont.cellHeight);
  EXPECT_EQ(measure.lettersWidth, core::kDesignFont.lettersWidth);
  EXPECT_EQ(LayoutDpiFor(font), 96);
  // A font of 16 pixels in place of 11 (a user's larger font) makes the
  // layout grow with it on the same screen: about 140 dpi.
  LOGFONTA larger = metrics.lfMessageFont;
  larger.lfHeight = -16;
  HFONT big = CreateFontIndirectA(&larger);
  EXPECT_GE(LayoutDpiFor(big), 135);
  DeleteObject(big);
  DeleteObject(font);
}

}  // namespace
}  // namespace tq::ui
