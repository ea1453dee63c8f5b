// Where a small popup window goes next to the point the user is working at:
// just below a text caret (above it when there is no room below), or at the
// mouse pointer when there is no caret, always whole on the work area.
#pragma once

#include <optional>

#include "ui/core/form_placement.h"

namespace tq::ui::core {

struct Point {
  int x = 0, y = 0;
};

// caret: the caret's rectangle in screen pixels, none when it is unknown.
Rect PopupNear(Size size, const std::optional<Rect>& caret, Point mouse, const Rect& workArea);

}  // namespace tq::ui::core
