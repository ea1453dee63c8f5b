// The order Tab and Shift+Tab go through a form's controls. As the system's
// own walk, it enters every shown, enabled control parent (a panel, a page)
// in place; unlike it, a control parent that is a tab stop itself (a row of
// page tabs) is a stop before its contents, so the tabs can be reached from
// both sides.
#pragma once

#include <windows.h>

namespace tq::ui {

// The stop after `from` (or before it, with `backwards`) inside `root`, round
// the ends; `from` may be a window inside a stop (a combo box's edit). With
// `from` null or outside every stop, the first stop (the last, backwards).
// Null when `root` holds no stop.
HWND NextTabStop(HWND root, HWND from, bool backwards);

}  // namespace tq::ui
