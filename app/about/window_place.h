// Sizing and placing the small windows: a client area of a given size in
// layout pixels, centred on another window or on the screen.
#pragma once

#include <windows.h>

#include "ui/form.h"

namespace tq::app {

// Gives `form` a client area of width x height device pixels (callers scale
// layout pixels with form.Scale) and centres it on `centreOn`, or on the screen's work area when
// that is null, hidden or minimised. The window stays on the work area.
void SetClientSizeCentred(ui::Form& form, int width, int height, HWND centreOn);

// Centres `form` at its present size, in the same way.
void Centre(ui::Form& form, HWND centreOn);

}  // namespace tq::app
