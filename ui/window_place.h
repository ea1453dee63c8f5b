// Sizing and placing a form: a client area of a given size, centred on
// another window, or on the screen's work area when there is no window worth
// centring on, and kept on the work area either way.
#pragma once

#include <windows.h>

#include "ui/form.h"

namespace tq::ui {

// The outer size of `window` for a client area of width x height, with its
// present frame styles.
SIZE OuterSizeFor(HWND window, int width, int height);

// Gives `form` a client area of width x height device pixels (callers scale
// layout pixels with form.Scale) and centres it on `centreOn`: on that
// window's screen, or on the main screen's work area when `centreOn` is null,
// hidden or minimised (the main window in the tray has no place worth
// centring on).
void SetClientSizeCentred(Form& form, int width, int height, HWND centreOn);

// Centres `form` at its present size, in the same way.
void Centre(Form& form, HWND centreOn);

// Puts `form`, at its present size, just below the text caret of the given
// thread (another program's, typically), or at the mouse pointer when that
// thread shows no caret; whole on the work area of that screen.
void PlaceNearCaret(Form& form, DWORD thread);

}  // namespace tq::ui
