// Where a dialog goes: centred on its owner window, kept inside the work area
// of the owner's screen, and how big its outer frame is for a wanted client
// size.
#pragma once

#include <windows.h>

#include "ui/geometry.h"

namespace tq::app {

// The dialog's outer rectangle of `size` centred on `owner` (both in screen
// pixels) and moved inside `work_area` as far as it fits.
ui::Rect CenteredOn(const ui::Rect& owner, int width, int height, const ui::Rect& work_area);

// Resizes `dialog` so its client area is width x height device pixels and
// centres it on `owner` (on the owner's screen; on the main screen when the
// owner is null, hidden or minimised).
void PlaceDialog(HWND dialog, HWND owner, int width, int height);

// The outer size of `dialog` for a client area of width x height.
SIZE OuterSizeFor(HWND dialog, int width, int height);

}  // namespace tq::app
