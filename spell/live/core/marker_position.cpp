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

// Stops a scan across a row of columns whose reader never fails.
constexpr int32_t kMaxColumns = 8192;
}  // namespace

int32_t IrregularLineMeasure(TLineCache* entry, int32_t top, int32_t height, int32_t x, const TPixelReader& pixel) {
  if (entry && entry->HeightKey == height && entry->CachedBottom > 0) return entry->CachedBottom;
  if (height <= 0) return height;
  std::vector<int> histogram(static_cast<size_t>(height), 0);
  int counted = 0;
  for (int32_t column = x; column < x + kMaxColumns && counted < 101; ++column) {
    bool anyRead = false, bottomRead = false, hasBackground = false, hasInk = false;
    uint32_t background = 0, ink = 0;
    int32_t inkBottom = 0;
    for (int32_t row = 0; row < height; ++row) {
      uint32_t c = 0;
      if (!pixel(column, top + row, c)) continue;
      anyRead = true;
      if (row == height - 1) bottomRead = true;
      if (!hasBackground) {
        background = c;
        hasBackground = true;
      } else if (!hasInk && c != background) {
        ink = c;
        hasInk = true;
      }
      if (hasInk && c == ink) inkBottom = row;
    }
    if (!anyRead) break;
    if (inkBottom > 0 && bottomRead) {
      ++histogram[static_cast<size_t>(inkBottom)];
      ++counted;
    }
  }
  const int32_t row = WinningRow(histogram, 0);
  if (row > 0 && histogram[static_cast<size_t>(row)] > 5) {
    if (entry) {
      entry->HeightKey = height;
      entry->CachedBottom = row + 4;
    }
    return row + 4;
  }
  return height;
}

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
