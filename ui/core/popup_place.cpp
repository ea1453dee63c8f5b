#include "ui/core/popup_place.h"

#include <algorithm>

namespace tq::ui::core {
namespace {

// Moves a span of `length` starting at `start` onto [low, high), keeping its
// start on it when it is too long.
int Fit(int start, int length, int low, int high) {
  start = std::min(start, high - length);
  return std::max(start, low);
}

}  // namespace

Rect PopupNear(Size size, const std::optional<Rect>& caret, Point mouse, const Rect& workArea) {
  // The anchor: the line being typed on (the caret) or the pointer's tip.
  const Rect anchor = caret ? *caret : Rect{mouse.x, mouse.y, mouse.x, mouse.y};
  int top = anchor.bottom;
  if (top + size.height > workArea.bottom && anchor.top - size.height >= workArea.top)
    top = anchor.top - size.height;  // above, so the line stays visible
  const int left = Fit(anchor.left, size.width, workArea.left, workArea.right);
  top = Fit(top, size.height, workArea.top, workArea.bottom);
  return {left, top, left + size.width, top + size.height};
}

}  // namespace tq::ui::core
