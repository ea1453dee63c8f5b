// For the toolkit's window tests: an application window and a form owned by
// it, as the program has them, plus a way to run the message loop until a
// condition holds.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/message_loop.h"

namespace tq::ui::testing {

struct TestHost {
  Application app{"Quillet Toolkit Test"};
  Form form;

  TestHost() { form.Create({.caption = "Host", .width = 400, .height = 300, .owner = app.Handle()}); }
};

// Handles messages until `done` holds or the time is up; returns `done()`.
inline bool PumpUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds limit = std::chrono::milliseconds(5000)) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    if (!ProcessPendingMessages()) return done();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

// A key pressed with the focus where it is, with Shift and Ctrl held as
// given, through the form's dialog keys as the message loop sees it.
inline void PressKey(UINT key, bool shift = false, bool ctrl = false) {
  BYTE state[256] = {};
  GetKeyboardState(state);
  state[VK_SHIFT] = shift ? 0x80 : 0;
  state[VK_CONTROL] = ctrl ? 0x80 : 0;
  SetKeyboardState(state);
  PostMessageW(GetFocus(), WM_KEYDOWN, key, 1);
  ProcessPendingMessages();
  state[VK_SHIFT] = state[VK_CONTROL] = 0;
  SetKeyboardState(state);
}

}  // namespace tq::ui::testing
