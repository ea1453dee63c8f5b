#include "storage/quick_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace tq::storage {
namespace {

// Sorts v through QuickSortPositions, failing on any position out of range.
void SortThrough(std::vector<int>& v, const PositionCompare* override = nullptr) {
  const auto n = static_cast<int64_t>(v.size());
  auto inRange = [n](int64_t p) { return p >= 1 && p <= n; };
  PositionCompare compare = [&](int64_t a, int64_t b) {
    if (!inRange(a) || !inRange(b)) throw std::out_of_range("compare");
    int x = v[static_cast<size_t>(a - 1)], y = v[static_cast<size_t>(b - 1)];
    return x < y ? -1 : x > y ? 1 : 0;
  };
  PositionSwap swap = [&](int64_t a, int64_t b) {
    if (!inRange(a) || !inRange(b)) throw std::out_of_range("swap");
    std::swap(v[static_cast<size_t>(a - 1)], v[static_cast<size_t>(b - 1)]);
  };
  if (n > 1) QuickSortPositions(1, n, override ? *override : compare, swap);
}

TEST(QuickSortTest, SortsEveryShapeOfInput) {
  std::mt19937 rng(7);
  for (int n = 0; n < 120; ++n) {
    for (int shape = 0; shape < 6; ++shape) {
      std::vector<int> v(static_cast<size_t>(n));
      const int range = shape == 0 ? 2 : shape == 1 ? 5 : 1000000;
      for (int& x : v) x = static_cast<int>(rng() % static_cast<unsigned>(range));
      if (shape == 3) std::sort(v.begin(), v.end());
      if (shape == 4) std::sort(v.rbegin(), v.rend());
      if (shape == 5) std::fill(v.begin(), v.end(), 3);
      std::vector<int> expected = v;
      std::sort(expected.begin(), expected.end());
      SortThrough(v);
      ASSERT_EQ(v, expected) << "n=" << n << " shape=" << shape;
    }
  }
}

TEST(QuickSortTest, AnInconsistentComparisonStaysWithinThePositions) {
  std::mt19937 rng(11);
  PositionCompare random = [&](int64_t, int64_t) { return static_cast<int>(rng() % 3) - 1; };
  for (int n = 2; n < 200; ++n) {
    std::vector<int> v(static_cast<size_t>(n), 0);
    EXPECT_NO_THROW(SortThrough(v, &random)) << n;
  }
}

TEST(QuickSortTest, PositionsBeyond16Bits) {
  std::vector<int> v(70000);
  for (size_t i = 0; i < v.size(); ++i) v[i] = static_cast<int>((i * 7919) % 70001);
  std::vector<int> expected = v;
  std::sort(expected.begin(), expected.end());
  SortThrough(v);
  EXPECT_EQ(v, expected);
}

}  // namespace
}  // namespace tq::storage
