#include "ui/core/window_centring.h"

#include <algorithm>

namespace tq::ui::core {
namespace {

// Moves [start, start + length) into [low, high) where it fits; the far edge
// first, so one longer than the range keeps its start at `low`.
int KeepWithin(int start, int length, int low, int high) { return std::max(low, std::min(start, high - length)); }

}  // namespace

Rect CentredRect(Size size, const Rect& area, const Rect& workArea) {
  int left = area.left + (area.width() - size.width) / 2;
  int top = area.top + (area.height() - size.height) / 2;
  left = KeepWithin(left, size.width, workArea.left, workArea.right);
  top = KeepWithin(top, size.height, workArea.top, workArea.bottom);
  return {left, top, left + size.width, top + size.height};
}

}  // namespace tq::ui::core
