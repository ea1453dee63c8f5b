// A read-only text box has nothing to type: it leaves Tab and Shift+Tab to
// its form, which moves the focus on, where the system's text boxes would
// keep them.
#pragma once

#include <windows.h>

namespace tq::ui {

// The WM_GETDLGCODE answer of the text box `box` (a rich or a plain edit)
// for the key in `lp` (the message the dialog keys ask about, or 0), given
// the control's own answer `code`: without its claim on Tab while the box is
// read-only.
LRESULT LetTabPassWhenReadOnly(HWND box, LRESULT code, LPARAM lp);

}  // namespace tq::ui
