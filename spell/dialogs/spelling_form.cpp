#include "spell/dialogs/spelling_form.h"

namespace tq::spell {

LRESULT TSpellingForm::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SHOWWINDOW && wp && OnShow) {
    const LRESULT result = ui::Form::WndProc(msg, wp, lp);
    OnShow(this);
    return result;
  }
  if (msg == WM_ACTIVATE) {
    const LRESULT result = ui::Form::WndProc(msg, wp, lp);
    if (LOWORD(wp) == WA_INACTIVE) {
      // Only a window of this program counts (the text being checked, its
      // dialog); switching to another program leaves the run alone.
      HWND next = reinterpret_cast<HWND>(lp);
      if (next && GetWindowThreadProcessId(next, nullptr) == GetCurrentThreadId() && OnDeactivate) OnDeactivate(this);
    } else if (OnActivate) {
      OnActivate(this);
    }
    return result;
  }
  return ui::Form::WndProc(msg, wp, lp);
}

}  // namespace tq::spell
