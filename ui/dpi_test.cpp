#include "ui/dpi.h"

#include <gtest/gtest.h>

namespace tq::ui {
namespace {

TEST(ScaleForDpi, RoundsHalfAwayFromZeroLikeMulDiv) {
  struct Case {
    int pixels, dpi, expected;
  } cases[] = {
      {0, 120, 0},     {463, 96, 463}, {10, 120, 13}, {2, 120, 3},     {3, 120, 4},     {10, 144, 15},
      {-10, 120, -13}, {-2, 120, -3},  {1, 72, 1},    {152, 192, 304}, {427, 120, 534}, {7, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScaleForDpi(c.pixels, c.dpi), c.expected) << c.pixels << " at " << c.dpi;
  }
}

TEST(ScaleForDpi, AdjacentRectanglesStayAdjacent) {
  for (int dpi : {96, 110, 120, 144, 168, 192}) {
    const Rect left = ScaleForDpi(Rect{5, 7, 10, 23}, dpi);
    const Rect right = ScaleForDpi(Rect{15, 7, 11, 23}, dpi);
    EXPECT_EQ(left.right(), right.x) << dpi;
    EXPECT_EQ(left.bottom(), right.bottom()) << dpi;
  }
  EXPECT_EQ(ScaleForDpi(Rect{8, 8, 75, 25}, 96), (Rect{8, 8, 75, 25}));
}

}  // namespace
}  // namespace tq::ui
