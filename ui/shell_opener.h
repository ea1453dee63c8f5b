// Opening an address or a document with the desktop's handler (ShellExecuteA,
// verb "open"). Controls that open links keep a ShellOpener member so a test
// can see what would be opened instead of starting a browser.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace tq::ui {

using ShellOpener = std::function<void(HWND owner, const std::string& target, int show)>;

// The real opener. A failure is not reported: there is nothing the user
// could do about it at that point.
void ShellOpen(HWND owner, const std::string& target, int show);

}  // namespace tq::ui
