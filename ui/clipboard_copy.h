// Copying a control's selection with a check that it reached the clipboard:
// WM_COPY says nothing when another program holds the clipboard open, and the
// clipboard then still holds whatever was there before.
#pragma once

#include <windows.h>

#include <string_view>

namespace tq::ui {

// Sends WM_COPY to `control` and checks that the clipboard changed and is now
// this program's; while another program holds it open, tries again a few
// times within about a fifth of a second. True when the copy arrived.
bool CopySelectionChecked(HWND control);

// Adds `bytes` as the registered format `formatName` to what is on the
// clipboard now, keeping the formats already there (a copy gives the
// formats it knows; this one it does not). False when the clipboard could
// not be opened or the data not set.
bool AddClipboardFormat(HWND opener, const wchar_t* formatName, std::string_view bytes);

}  // namespace tq::ui
