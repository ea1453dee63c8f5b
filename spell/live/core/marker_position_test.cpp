#include "spell/live/core/marker_position.h"

#include <gtest/gtest.h>

#include <vector>

namespace tq::spell {
namespace {

constexpr uint32_t kPaper = 0xFFFFFF;
constexpr uint32_t kInk = 0x000000;

// A picture of width × height pixels, white, with ink drawn into it.
struct Picture {
  int32_t width, height;
  std::vector<uint32_t> px;
  Picture(int32_t w, int32_t h) : width(w), height(h), px(static_cast<size_t>(w * h), kPaper) {}
  void Ink(int32_t x0, int32_t x1, int32_t y0, int32_t y1) {
    for (int32_t y = y0; y <= y1; ++y)
      for (int32_t x = x0; x <= x1; ++x) px[static_cast<size_t>(y * width + x)] = kInk;
  }
  TPixelReader reader() const {
    return [this](int32_t x, int32_t y, uint32_t& c) {
      if (x < 0 || y < 0 || x >= width || y >= height) return false;
      c = px[static_cast<size_t>(y * width + x)];
      return true;
    };
  }
};

TEST(LiveMarkerPosition, LastLineConfirmedByThePixels) {
  Picture p(60, 60);
  for (int32_t x = 10; x <= 50; x += 3) p.Ink(x, x, 20, 26);  // strokes of text, ending above the guess at rel 16
  TLineCache entry;
  EXPECT_EQ(LastLineMeasure(&entry, true, 12, 16, 10, 50, p.reader()), 16);
  EXPECT_EQ(entry.CachedBottom, 16);
  Picture blank(60, 60);
  EXPECT_EQ(LastLineMeasure(&entry, false, 12, 16, 10, 50, blank.reader()), 16);  // kept
}

TEST(LiveMarkerPosition, LastLineMeasuredBelowTheGuess) {
  // The guess (rel 6) lies inside a taller text whose ink ends at row 24.
  Picture p(60, 80);
  p.Ink(10, 50, 8, 34);  // top 10: rows 0..24 relative to the line top
  TLineCache entry;
  EXPECT_EQ(LastLineMeasure(&entry, true, 10, 6, 10, 50, p.reader()), 24 + 4);
  EXPECT_EQ(entry.CachedBottom, 28);
  // A changed line measures again.
  Picture blank(60, 80);
  EXPECT_EQ(LastLineMeasure(&entry, true, 10, 6, 10, 50, blank.reader()), 6);
  // An unreadable pixel in the sampled rows: the guess, not kept.
  TLineCache fresh;
  EXPECT_EQ(LastLineMeasure(&fresh, true, 10, 70, 10, 50, p.reader()), 70);
  EXPECT_EQ(fresh.CachedBottom, 0);
}

}  // namespace
}  // namespace tq::spell
