// Scaling of layout pixels, written for the 8-point dialog font on a 96-dpi
// screen, to the pixels of the screen the program runs on (the arithmetic is
// ui/core/layout_scale's), and the measuring it needs (Windows only).
#pragma once

#include "ui/core/layout_scale.h"
#include "ui/geometry.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tq::ui {

using core::kDesignDpi;
using core::ScaleForDpi;

// Scales position and size; the size is scaled from the edges so adjacent
// rectangles stay adjacent after scaling.
Rect ScaleForDpi(const Rect& r, int dpi);

#ifdef _WIN32
// The screen's logical DPI (96 when it cannot be read): for font sizes given
// in points or in 96-dpi pixels.
int ScreenDpi();
// A font's measure on the screen (zero when it cannot be measured).
core::FontMeasure MeasureFont(HFONT font);
// The DPI that layout pixels of windows showing `font` scale with.
int LayoutDpiFor(HFONT font);
#endif

}  // namespace tq::ui
