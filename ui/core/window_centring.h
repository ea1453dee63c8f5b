// Where a window goes when it is centred: on another window, or on the work
// area of the screen when there is none to centre on, and kept on the work
// area either way. Pure arithmetic in screen pixels.
#pragma once

#include "ui/core/form_placement.h"

namespace tq::ui::core {

// The rectangle of a window of `size` centred on `area`, moved as little as
// needed to keep the whole window on the work area. A window larger than the
// work area keeps its top-left corner on it, so its title bar stays where the
// user can reach it.
Rect CentredRect(Size size, const Rect& area, const Rect& workArea);

}  // namespace tq::ui::core
