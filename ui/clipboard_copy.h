// Copying a control's selection with a check that it reached the clipboard:
// WM_COPY says nothing when another program holds the clipboard open, and the
// clipboard then still holds whatever was there before.
#pragma once

#include <windows.h>

namespace tq::ui {

// Sends WM_COPY to `control` and checks that the clipboard changed and is now
// this program's; while another program holds it open, tries again a few
// times within about a fifth of a second. True when the copy arrived.
bool CopySelectionChecked(HWND control);

}  // namespace tq::ui
