#include "ui/core/layout_scale.h"

#include <gtest/gtest.h>

namespace tq::ui::core {
namespace {

TEST(LayoutDpi, FollowsTheFontWhereItGrowsFasterThanTheScreen) {
  // Measures of the message font under Wine at each DPI (cell height, width
  // of the 52 letters), and what a larger font of the user's gives.
  struct Case {
    const char* what;
    int screenDpi;
    FontMeasure font;
    int expected;
  } cases[] = {
      {"the design font at 96 dpi", 96, {13, 359}, 96},
      {"120 dpi: the letters are wider than 125 %", 120, {16, 454}, 121},
      {"144 dpi: the cell is taller than 150 %", 144, {20, 549}, 148},
      {"192 dpi: the font is smaller than 200 %, the screen wins", 192, {25, 703}, 192},
      {"96 dpi with a 9-point font", 96, {15, 372}, 111},
      {"a smaller font never shrinks the layout", 96, {11, 300}, 96},
      {"a font that could not be measured", 144, {0, 0}, 144},
      {"no screen DPI either", 0, {0, 0}, 96},
  };
  for (const Case& c : cases) EXPECT_EQ(LayoutDpi(c.screenDpi, c.font), c.expected) << c.what;
}

TEST(ScaleForDpi, RoundsHalfAwayFromZeroLikeMulDiv) {
  struct Case {
    int pixels, dpi, expected;
  } cases[] = {
      {0, 120, 0},     {463, 96, 463}, {10, 120, 13}, {2, 120, 3},     {3, 120, 4},     {10, 144, 15},
      {-10, 120, -13}, {-2, 120, -3},  {1, 72, 1},    {152, 192, 304}, {427, 120, 534}, {7, 0, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ScaleForDpi(c.pixels, c.dpi), c.expected) << c.pixels << " at " << c.dpi;
}

}  // namespace
}  // namespace tq::ui::core
