#include "app/dialogs/dialog_position.h"

#include <gtest/gtest.h>

namespace tq::app {
namespace {

TEST(CenteredOn, CentresOnTheOwnerAndStaysInTheWorkArea) {
  const ui::Rect work{0, 0, 1024, 738};
  struct Case {
    ui::Rect owner;
    int width, height;
    ui::Rect expected;
  } cases[] = {
      {{100, 100, 600, 500}, 300, 200, {250, 250, 300, 200}},
      {{-500, 100, 400, 300}, 300, 200, {0, 150, 300, 200}},   // owner partly off the left edge
      {{900, 650, 400, 300}, 300, 200, {724, 538, 300, 200}},  // past the bottom right
      {{0, 0, 1024, 738}, 2000, 1000, {0, 0, 2000, 1000}},     // too big: the caption stays visible
  };
  for (const Case& c : cases) EXPECT_EQ(CenteredOn(c.owner, c.width, c.height, work), c.expected);
}

}  // namespace
}  // namespace tq::app
