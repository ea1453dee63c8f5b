// The program's message boxes: the error box (OK only), the Yes/No
// confirmation, and the standard error box that shows an error no handler
// caught, its message unchanged.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tq::ui {

// An error-type box with the OK button only.
void ShowErrorBox(HWND owner, std::string_view text, std::string_view caption = "Error");
// A question with Yes and No; true when the user chose Yes.
bool ConfirmBox(HWND owner, std::string_view text, std::string_view caption = "Confirm");

// The application title as the windows of this thread know it: the caption of
// the window at the top of `hwnd`'s owner chain (the hidden application
// window). Empty when there is none.
std::string ApplicationTitleOf(HWND hwnd);
// The standard error box for `message`, captioned with the application title
// of `anchor` (or "Error"), owned by the thread's active window.
void ShowExceptionBox(HWND anchor, std::string_view message);

}  // namespace tq::ui
