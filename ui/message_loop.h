// The thread's message pump, shared by the application's main loop and the
// nested loops of modal forms: each message first gets its form's keyboard
// handling (menu shortcuts, Tab and the dialog keys), then normal dispatch.
#pragma once

#include <windows.h>

namespace tq::ui {

// Gives one retrieved message to its form's keyboard handling or dispatches it.
void DispatchThreadMessage(MSG& msg);

// Handles every message already waiting, without blocking. Returns false when
// a WM_QUIT was met; it is posted again so the outer loop still ends.
bool ProcessPendingMessages();

}  // namespace tq::ui
