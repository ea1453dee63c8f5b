#include "ui/core/window_centring.h"

#include <gtest/gtest.h>

namespace tq::ui::core {
namespace {

TEST(CentredRect, CentresOnTheAreaAndStaysOnTheWorkArea) {
  const Rect work{0, 0, 1024, 738};
  const struct {
    Rect area;
    Size size;
    Rect expected;
  } cases[] = {
      {{100, 100, 500, 400}, {200, 100}, {200, 200, 400, 300}},    // centred on its owner
      {{100, 100, 700, 600}, {300, 200}, {250, 250, 550, 450}},    // an owner larger than the window
      {work, {421, 160}, {301, 289, 722, 449}},                    // centred on the screen
      {{-300, -200, 100, 100}, {200, 100}, {0, 0, 200, 100}},      // owner half off the screen
      {{-500, 100, -100, 400}, {300, 200}, {0, 150, 300, 350}},    // owner partly off the left edge
      {{900, 600, 1300, 900}, {300, 200}, {724, 538, 1024, 738}},  // past the right and bottom
      {{900, 650, 1300, 950}, {300, 200}, {724, 538, 1024, 738}},  // the owner's middle off the screen
      {work, {1200, 900}, {0, 0, 1200, 900}},                      // too big: top-left stays visible
      {work, {2000, 1000}, {0, 0, 2000, 1000}},                    // far too big, the same
  };
  for (const auto& c : cases) EXPECT_EQ(CentredRect(c.size, c.area, work), c.expected);
}

TEST(CentredRect, KeepsToAWorkAreaThatDoesNotStartAtTheOrigin) {
  // A taskbar on the left or top, or a second screen left of the main one.
  const Rect work{-1280, 40, 0, 1024};
  EXPECT_EQ(CentredRect({300, 200}, {-200, 0, 200, 100}, work), (Rect{-300, 40, 0, 240}));
  EXPECT_EQ(CentredRect({2000, 2000}, work, work), (Rect{-1280, 40, 720, 2040}));
}

}  // namespace
}  // namespace tq::ui::core
