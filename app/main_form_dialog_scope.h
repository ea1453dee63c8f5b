// While a dialog of the main window is open: global hotkeys are ignored,
// the tray icon is hidden, and a second start's request waits until the
// dialog closes.
#pragma once

#include "app/main_form.h"

namespace tq::app {

class TMainForm::DialogScope {
 public:
  explicit DialogScope(TMainForm& form) : form_(form) {
    form_.DialogBusy = true;
    form_.FormEnhance->HideIcon();
  }
  ~DialogScope() {
    form_.FormEnhance->ShowIcon();
    form_.DialogBusy = false;
    form_.OpenPendingHandOver();
  }
  DialogScope(const DialogScope&) = delete;
  DialogScope& operator=(const DialogScope&) = delete;

 private:
  TMainForm& form_;
};

}  // namespace tq::app
