#include "ui/read_only_tab.h"

namespace tq::ui {

LRESULT LetTabPassWhenReadOnly(HWND box, LRESULT code, LPARAM lp) {
  const auto* key = reinterpret_cast<const MSG*>(lp);
  const bool readOnly = (GetWindowLongW(box, GWL_STYLE) & ES_READONLY) != 0;
  if (readOnly && key && (key->message == WM_KEYDOWN || key->message == WM_CHAR) && key->wParam == VK_TAB)
    code &= ~(DLGC_WANTTAB | DLGC_WANTMESSAGE | DLGC_WANTALLKEYS);
  return code;
}

}  // namespace tq::ui
