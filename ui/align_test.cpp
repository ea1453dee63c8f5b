#include "ui/align.h"

#include <gtest/gtest.h>

#include <vector>

namespace tq::ui {
namespace {

TEST(AlignRects, EachEdgeTakesItsSizeAndClientTakesTheRest) {
  const Rect client{0, 0, 400, 300};
  const std::vector<AlignItem> items = {
      {Align::Client, {}},          {Align::Right, {0, 0, 40, 0}},
      {Align::Left, {0, 0, 60, 0}}, {Align::Bottom, {0, 0, 0, 30}},
      {Align::Top, {0, 0, 0, 50}},
  };
  const std::vector<Rect> expected = {
      {60, 50, 300, 220},  // what is left
      {360, 50, 40, 220},  // right, between top and bottom
      {0, 50, 60, 220},    // left, between top and bottom
      {0, 270, 400, 30},   // bottom, full width
      {0, 0, 400, 50},     // top, full width
  };
  EXPECT_EQ(AlignRects(client, items), expected);
}

TEST(AlignRects, SameEdgeStacksInListOrderFromAnOffsetClient) {
  const Rect client{10, 20, 200, 400};
  const std::vector<AlignItem> items = {
      {Align::Top, {0, 0, 0, 152}},  // a tree pane
      {Align::Top, {0, 0, 0, 3}},    // a splitter under it
      {Align::Client, {}},           // the preview pane
      {Align::Bottom, {0, 0, 0, 10}},
      {Align::Bottom, {0, 0, 0, 20}},
  };
  const std::vector<Rect> expected = {
      {10, 20, 200, 152}, {10, 172, 200, 3}, {10, 175, 200, 215}, {10, 410, 200, 10}, {10, 390, 200, 20},
  };
  EXPECT_EQ(AlignRects(client, items), expected);
}

TEST(AlignRects, HiddenAndUnalignedItemsKeepTheirBoundsAndTakeNoRoom) {
  const Rect client{0, 0, 100, 100};
  const std::vector<AlignItem> items = {
      {Align::Top, {1, 2, 3, 40}, false},
      {Align::None, {5, 6, 7, 8}},
      {Align::Client, {}},
      {Align::Client, {}},  // two client panels lie on top of each other
  };
  const std::vector<Rect> expected = {{1, 2, 3, 40}, {5, 6, 7, 8}, {0, 0, 100, 100}, {0, 0, 100, 100}};
  EXPECT_EQ(AlignRects(client, items), expected);
}

TEST(AlignRects, SizesAreCutToTheRoomLeftAndNeverGoNegative) {
  const Rect client{0, 0, 100, 80};
  const std::vector<AlignItem> items = {
      {Align::Top, {0, 0, 0, 500}},
      {Align::Left, {0, 0, 30, 0}},
      {Align::Client, {}},
      {Align::Right, {0, 0, -5, 0}},
  };
  const std::vector<Rect> expected = {{0, 0, 100, 80}, {0, 80, 30, 0}, {30, 80, 70, 0}, {100, 80, 0, 0}};
  EXPECT_EQ(AlignRects(client, items), expected);
  EXPECT_EQ(AlignRects({0, 0, 0, 0}, std::vector<AlignItem>{{Align::Client, {1, 1, 9, 9}}}),
            (std::vector<Rect>{{0, 0, 0, 0}}));
}

}  // namespace
}  // namespace tq::ui
