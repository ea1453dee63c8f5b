// EscapeClosesForm: the base of the About dialog, the document viewer and the
// tray reminder, which have no Cancel button; Escape (which the form's dialog
// keys turn into IDCANCEL) closes them as their close box does.
#pragma once

#include <windows.h>

#include "ui/form.h"

namespace tq::app {

class EscapeClosesForm : public ui::Form {
 protected:
  bool OnCommand(int id, int code, HWND control) override;
};

}  // namespace tq::app
