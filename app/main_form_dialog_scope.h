// TMainForm's modal states: while a dialog, a confirmation, a message or the
// popup reply menu of the main window is open, global hotkeys are ignored and
// a second start's hand-over waits (it would change the library under the
// open state, or free the menu that is running); both resume however the
// state ends. Dialogs also take the tray icon away.
#pragma once

#include "app/main_form.h"

namespace tq::app {

class TMainForm::DialogScope {
 public:
  enum class Tray { Hide, Keep };
  explicit DialogScope(TMainForm& form, Tray tray = Tray::Hide)
      : form_(form), wasBusy_(form.DialogBusy), hidesIcon_(tray == Tray::Hide && !wasBusy_) {
    form_.DialogBusy = true;
    if (hidesIcon_) form_.FormEnhance->HideIcon();
  }
  ~DialogScope() {
    if (hidesIcon_) form_.FormEnhance->ShowIcon();
    // A state opened inside another leaves the outer one busy.
    if (wasBusy_) return;
    form_.DialogBusy = false;
    form_.OpenPendingHandOver();
  }
  DialogScope(const DialogScope&) = delete;
  DialogScope& operator=(const DialogScope&) = delete;

 private:
  TMainForm& form_;
  bool wasBusy_;
  bool hidesIcon_;
};

}  // namespace tq::app
