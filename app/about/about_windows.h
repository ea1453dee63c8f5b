// The small windows around the main window that only show texts and
// pictures: the splash window, the tray reminder, the About dialog and the
// document viewer it opens. Each is created for one modal showing.
#pragma once

#include <windows.h>

namespace tq::app {

// Shows the splash picture centred on the screen for two seconds (modal).
void ShowSplash(HWND owner);

// Shows the tray reminder modally; true when "&Show the reminder again" was
// still ticked when it closed.
bool ShowTrayReminder(HWND owner);

// Shows the About dialog modally, centred on `owner`.
void ShowAbout(HWND owner);

}  // namespace tq::app
