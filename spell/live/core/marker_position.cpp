#include "spell/live/core/marker_position.h"

#include <array>
#include <cmath>
#include <vector>

namespace tq::spell {

namespace {
// The most frequent row (the lowest among equals) from first on; -1 when no
// row was counted.
int32_t WinningRow(const std::vector<int>& histogram, size_t first) {
  int32_t best = -1;
  int bestCount = 0;
  for (size_t row = first; row < histogram.size(); ++row)
    if (histogram[row] > bestCount) {
      bestCount = histogram[row];
      best = static_cast<int32_t>(row);
    }
  return best;
}

// The first two distinct colours of a row of pixels and how often each came.
struct TwoColours {
  std::array<uint32_t, 2> colour{};
  std::array<int, 2> count{};
  int seen = 0;
  void Add(uint32_t c) {
    for (int i = 0; i < seen; ++i)
      if (colour[static_cast<size_t>(i)] == c) {
        ++count[static_cast<size_t>(i)];
        return;
      }
    if (seen < 2) {
      colour[static_cast<size_t>(seen)] = c;
      count[static_cast<size_t>(seen)] = 1;
      ++seen;
    }
  }
};
}  // namespace

int32_t LastLineMeasure(TLineCache* entry, bool changed, int32_t top, int32_t rel, int32_t xs, int32_t xe,
                        const TPixelReader& pixel) {
  if (entry) {
    if (!changed && entry->HeightKey == 0 && entry->CachedBottom > 0) return entry->CachedBottom;
    entry->HeightKey = 0;
    entry->CachedBottom = 0;
  }
  // Does the font's guess sit between ink above and plain background below?
  TwoColours rowA, rowB;
  for (int32_t x = xs; x <= xe; ++x) {
    uint32_t a = 0, b = 0;
    if (!pixel(x, top + rel - 8, a) || !pixel(x, top + rel + 5, b)) return rel;
    rowA.Add(a);
    rowB.Add(b);
  }
  const int needed = static_cast<int>(std::lround(0.75 * (xe - xs)));
  if (rowA.seen == 2 && (rowB.count[0] > needed || rowB.count[1] > needed)) {
    if (entry) entry->CachedBottom = rel;
    return rel;
  }
  // Otherwise the most common ink bottom below the guess.
  constexpr int32_t kRows = 300;
  std::vector<int> histogram(kRows, 0);
  int32_t origin = rel - 10;
  for (int32_t x = xs; x <= xe; ++x) {
    bool anyRead = false, hasBackground = false, hasInk = false;
    uint32_t background = 0, ink = 0;
    int32_t firstInk = -1, lastInk = -1;
    bool valid = true;
    for (int32_t r = 0; r < kRows; ++r) {
      uint32_t c = 0;
      if (!pixel(x, top + origin + r, c)) {
        valid = anyRead;
        break;
      }
      anyRead = true;
      if (!hasBackground) {
        background = c;
        hasBackground = true;
        continue;
      }
      if (!hasInk && c != background) {
        ink = c;
        hasInk = true;
      }
      if (hasInk && c == ink) {
        if (firstInk < 0) firstInk = r;
        lastInk = r;
      } else if (c == background && lastInk > 0 && r - lastInk > 15) {
        if (firstInk > 5) origin += firstInk / 2;
        break;
      }
    }
    if (valid && lastInk > 0) {
      const int32_t row = origin + lastInk;
      if (row >= 0 && row < kRows) ++histogram[static_cast<size_t>(row)];
    }
  }
  const int32_t row = WinningRow(histogram, 1);
  if (row > 0) {
    if (entry) entry->CachedBottom = row + 4;
    return row + 4;
  }
  return rel;
}

}  // namespace tq::spell
