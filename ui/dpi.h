// Scaling of layout pixels, written for a 96-dpi screen, to the pixels of the
// screen the program runs on. Portable arithmetic; the screen's DPI comes from
// ScreenDpi() (Windows only).
#pragma once

#include "ui/geometry.h"

namespace tq::ui {

inline constexpr int kDesignDpi = 96;

// pixels * dpi / 96, rounded half away from zero (as MulDiv rounds), so that
// a layout scales the same way on every screen and back.
int ScaleForDpi(int pixels, int dpi);
// Scales position and size; the size is scaled from the edges so adjacent
// rectangles stay adjacent after scaling.
Rect ScaleForDpi(const Rect& r, int dpi);

#ifdef _WIN32
// The screen's logical DPI (96 when it cannot be read).
int ScreenDpi();
#endif

}  // namespace tq::ui
