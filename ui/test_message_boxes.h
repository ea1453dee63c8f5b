// For window tests: answers the message boxes this thread shows. Each box's
// caption and text are recorded and the chosen button is pressed, so code
// that shows an error or asks a question can run to its end in a test.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "platform/utf16.h"
#include "ui/timer.h"

namespace tq::ui::testing {

class MessageBoxAnswerer {
 public:
  struct Seen {
    std::string caption;
    std::string text;
  };

  // Presses `button` (IDOK, IDYES, IDNO, ...) in every box.
  explicit MessageBoxAnswerer(int button = IDOK) : button_(button) {
    // The box's own modal loop dispatches this timer's messages.
    timer_.onTimer = [this] { EnumThreadWindows(GetCurrentThreadId(), &MessageBoxAnswerer::AnswerOne, Self()); };
    timer_.Start(20);
  }

  std::vector<Seen> seen;

 private:
  LPARAM Self() { return reinterpret_cast<LPARAM>(this); }

  static BOOL CALLBACK AnswerOne(HWND hwnd, LPARAM self) {
    wchar_t cls[16] = {};
    GetClassNameW(hwnd, cls, 16);
    if (std::wstring(cls) != L"#32770" || !IsWindowVisible(hwnd)) return TRUE;
    auto* answerer = reinterpret_cast<MessageBoxAnswerer*>(self);
    wchar_t caption[256] = {}, text[1024] = {};
    GetWindowTextW(hwnd, caption, 256);
    GetDlgItemTextW(hwnd, 0xFFFF, text, 1024);  // the box's text control
    HWND button = GetDlgItem(hwnd, answerer->button_);
    if (!button) return TRUE;  // no such button: leave the box for the test to fail on
    answerer->seen.push_back({platform::Utf8(caption), platform::Utf8(text)});
    PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(answerer->button_, BN_CLICKED), reinterpret_cast<LPARAM>(button));
    return TRUE;
  }

  int button_;
  Timer timer_;
};

}  // namespace tq::ui::testing
