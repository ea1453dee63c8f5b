#include "storage/quick_sort.h"

namespace tq::storage {

void QuickSortPositions(int64_t lo, int64_t count, const PositionCompare& compare, const PositionSwap& swap) {
  for (;;) {
    if (count <= 2) {
      if (count == 2 && compare(lo, lo + 1) > 0) swap(lo, lo + 1);
      return;
    }
    int64_t hi = lo + count - 1;
    const int64_t mid = lo + count / 2;
    // Median of three, left at lo as the pivot (mid <= lo <= hi afterwards).
    if (compare(mid, hi) > 0) swap(mid, hi);
    if (compare(mid, lo) > 0)
      swap(mid, lo);
    else if (compare(lo, hi) > 0)
      swap(lo, hi);
    if (count == 3) {
      swap(lo, mid);
      return;
    }
    // Partition: [lo+1, eq) equal to the pivot, [eq, i) smaller, (hi, end] larger.
    int64_t eq = lo + 1;
    int64_t i = lo + 1;
    for (;;) {
      bool done = false;
      for (int c; (c = compare(i, lo)) <= 0;) {
        if (c == 0) swap(i, eq++);
        if (hi <= i) {
          done = true;
          break;
        }
        ++i;
      }
      if (done) break;
      while (hi > i) {
        const int c = compare(lo, hi);
        if (c < 0) {
          --hi;
          continue;
        }
        swap(i, hi);
        if (c != 0) {
          ++i;
          --hi;
        }
        break;
      }
      if (hi <= i) break;
    }
    if (compare(i, lo) <= 0) ++i;
    // Move the pivot and its equals between the smaller and the larger ones.
    for (int64_t k = lo, j = i - 1; k < eq && j >= eq; ++k, --j) swap(k, j);
    const int64_t left = i - eq;
    const int64_t right = lo + count - i;
    if (left > right) {
      QuickSortPositions(i, right, compare, swap);
      count = left;
    } else {
      QuickSortPositions(lo, left, compare, swap);
      lo = i;
      count = right;
    }
  }
}

}  // namespace tq::storage
