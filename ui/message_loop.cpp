#include "ui/message_loop.h"

#include "ui/form.h"

namespace tq::ui {

void DispatchThreadMessage(MSG& msg) {
  if (msg.hwnd) {
    if (auto* form = dynamic_cast<Form*>(Wnd::FromHandle(GetAncestor(msg.hwnd, GA_ROOT)))) {
      if (form->PreTranslateMessage(msg)) return;
    }
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

bool ProcessPendingMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    DispatchThreadMessage(msg);
  }
  return true;
}

}  // namespace tq::ui
