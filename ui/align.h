// Docking layout: children aligned to an edge of their parent's client area
// take their height (top, bottom) or width (left, right) from their own size
// and the whole length of the remaining area; a client-aligned child gets what
// is left. Children are placed in the order top, bottom, left, right, client,
// each group in list order. Portable arithmetic.
#pragma once

#include <span>
#include <vector>

#include "ui/geometry.h"

namespace tq::ui {

enum class Align { None, Top, Bottom, Left, Right, Client };

struct AlignItem {
  Align align = Align::None;
  Rect bounds;  // current bounds; the size along the docked direction is kept
  bool visible = true;
};

// New bounds for each item, in the order given. Items aligned None or hidden
// keep their bounds and take no room. Sizes never go below 0.
std::vector<Rect> AlignRects(const Rect& client, std::span<const AlignItem> items);

}  // namespace tq::ui
