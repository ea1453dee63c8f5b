// The table's in-place quicksort over 1-based positions: median of three
// moved to the front as the pivot, a three-way partition that gathers the
// pivot's equals and moves them to the middle, recursion on the smaller side.
// Positions are 64-bit so that tables of any size sort. Not stable.
#pragma once

#include <cstdint>
#include <functional>

namespace tq::storage {

// compare(a, b) answers -1, 0 or 1; swap(a, b) exchanges two positions.
using PositionCompare = std::function<int(int64_t, int64_t)>;
using PositionSwap = std::function<void(int64_t, int64_t)>;

// Sorts positions lo to lo + count - 1.
void QuickSortPositions(int64_t lo, int64_t count, const PositionCompare& compare, const PositionSwap& swap);

}  // namespace tq::storage
