#include "ui/core/form_placement.h"

#include <gtest/gtest.h>

namespace tq::ui::core {
namespace {

const Rect kWorkArea{0, 0, 1024, 738};
const Rect kCurrent{100, 100, 563, 527};  // 463 by 427

StoredPlacement Saved(std::optional<int> left, std::optional<int> top, std::optional<int> right = std::nullopt,
                      std::optional<int> bottom = std::nullopt) {
  return {left, top, right, bottom, std::nullopt};
}

TEST(FormPlacementTest, RestoresOrRejectsTheSavedRectangle) {
  struct Case {
    const char* what;
    StoredPlacement stored;
    bool save_size;
    Rect work_area;
    Rect expected;
  };
  const Case cases[] = {
      {"inside the work area", Saved(50, 40, 500, 400), true, kWorkArea, {50, 40, 500, 400}},
      {"left beyond width - 10", Saved(1020, 40, 1400, 400), true, kWorkArea, kCurrent},
      {"left at width - 10 is kept", Saved(1014, 40, 1400, 400), true, kWorkArea, {1014, 40, 1400, 400}},
      {"top beyond height - 10", Saved(50, 729, 500, 900), true, kWorkArea, kCurrent},
      {"right short of left + 10", Saved(-500, 40, 9, 400), true, kWorkArea, kCurrent},
      {"bottom short of top + 10", Saved(50, -500, 500, 9), true, kWorkArea, kCurrent},
      {"off the left edge moves in", Saved(-30, 40, 400, 400), true, kWorkArea, {5, 40, 435, 400}},
      {"off the top edge moves in", Saved(50, -20, 500, 400), true, kWorkArea, {50, 5, 500, 425}},
      {"below a top taskbar", Saved(50, 10, 500, 400), true, {0, 30, 1024, 768}, {50, 35, 500, 425}},
      {"position only without SaveSize", Saved(50, 40, 900, 900), false, kWorkArea, {50, 40, 513, 467}},
      {"nothing stored", Saved(std::nullopt, std::nullopt), true, kWorkArea, kCurrent},
      {"only Left stored", Saved(10, std::nullopt), true, kWorkArea, {10, 100, 563, 527}},
      {"turned inside out", Saved(500, 40, 100, 400), true, kWorkArea, kCurrent},
      {"no height", Saved(50, 40, 500, 40), true, kWorkArea, kCurrent},
  };
  for (const Case& c : cases) {
    Placement p = RestorePlacement(c.stored, {kCurrent, false, c.save_size}, c.work_area);
    EXPECT_EQ(p.bounds, c.expected) << c.what;
    EXPECT_FALSE(p.maximized) << c.what;
  }
}

TEST(FormPlacementTest, MaximizedComesBackOverTheNormalRectangle) {
  StoredPlacement stored = Saved(50, 40, 500, 400);
  stored.maximized = true;
  EXPECT_EQ(RestorePlacement(stored, {kCurrent, false, true}, kWorkArea), (Placement{{50, 40, 500, 400}, true}));
  // Even when the rectangle is refused.
  stored.left = 2000;
  EXPECT_EQ(RestorePlacement(stored, {kCurrent, false, true}, kWorkArea), (Placement{kCurrent, true}));
  // Not stored: the form's current state stands.
  EXPECT_TRUE(RestorePlacement(Saved(50, 40), {kCurrent, true, false}, kWorkArea).maximized);
  stored.maximized = false;
  EXPECT_FALSE(RestorePlacement(stored, {kCurrent, true, true}, kWorkArea).maximized);
}

TEST(FormPlacementTest, IniVariantPullsTheRectangleOntoTheScreen) {
  const Size screen{1024, 768};
  struct Case {
    StoredPlacement stored;
    Rect expected;
  };
  const Case cases[] = {
      {Saved(50, 40, 500, 400), {50, 40, 500, 400}},
      {Saved(700, 40, 1100, 400), {624, 40, 1024, 400}},
      {Saved(50, 500, 500, 800), {50, 468, 500, 768}},
      {Saved(-30, -20, 400, 400), {-30, -20, 400, 400}},  // the left and top edges are not checked
      {Saved(500, 40, 100, 400), kCurrent},
  };
  for (const Case& c : cases)
    EXPECT_EQ(RestoreIniPlacement(c.stored, {kCurrent, false, true}, screen).bounds, c.expected)
        << c.stored.left.value_or(0);
}

TEST(FormPlacementTest, SizeLimitsOverrideOnlyWhereSet) {
  const TrackSizes computed{{1300, 1000}, {112, 27}};
  EXPECT_EQ(ApplySizeLimits(computed, {0, 0}, {0, 0}), computed);
  EXPECT_EQ(ApplySizeLimits(computed, {800, 0}, {0, 300}), (TrackSizes{{800, 1000}, {112, 300}}));
  EXPECT_EQ(ApplySizeLimits(computed, {640, 480}, {200, 100}), (TrackSizes{{640, 480}, {200, 100}}));
}

}  // namespace
}  // namespace tq::ui::core
