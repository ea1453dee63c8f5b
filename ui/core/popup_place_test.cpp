#include "ui/core/popup_place.h"

#include <gtest/gtest.h>

namespace tq::ui::core {
namespace {

TEST(PopupNear, BelowTheCaretAboveWhenNoRoomAtThePointerOtherwiseOnTheWorkArea) {
  const Rect work{0, 0, 1024, 738};  // a taskbar below
  const Size size{400, 300};
  struct Case {
    std::optional<Rect> caret;
    Point mouse;
    Rect expected;
  };
  const Case cases[] = {
      {Rect{100, 200, 102, 216}, {900, 700}, {100, 216, 500, 516}},  // below the caret; the pointer is ignored
      {Rect{100, 600, 102, 616}, {0, 0}, {100, 300, 500, 600}},      // no room below: above the caret's line
      {Rect{900, 200, 902, 216}, {0, 0}, {624, 216, 1024, 516}},     // kept inside on the right
      {Rect{100, 250, 102, 266}, {0, 0}, {100, 266, 500, 566}},
      {std::nullopt, {300, 100}, {300, 100, 700, 400}},  // at the pointer
      {std::nullopt, {1000, 730}, {624, 430, 1024, 730}},
      {Rect{-50, -20, -48, -4}, {0, 0}, {0, 0, 400, 300}},  // a caret off the screen
  };
  for (const Case& c : cases) EXPECT_EQ(PopupNear(size, c.caret, c.mouse, work), c.expected);
  // Neither below nor above has room: as low as the work area allows.
  EXPECT_EQ(PopupNear(size, Rect{10, 250, 12, 266}, {0, 0}, {0, 0, 1024, 500}), (Rect{10, 200, 410, 500}));
  // A popup larger than the work area keeps its top-left corner on it.
  EXPECT_EQ(PopupNear({2000, 900}, Rect{100, 100, 102, 116}, {0, 0}, work), (Rect{0, 0, 2000, 900}));
}

}  // namespace
}  // namespace tq::ui::core
