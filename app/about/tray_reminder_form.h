// TTrayReminderForm: "Reminder", shown at start-up to say that the program
// lives in the tray. Its check box tells the caller whether to show it again.
#pragma once

#include <windows.h>

#include "app/about/escape_closes_form.h"
#include "app/about/picture.h"
#include "ui/button.h"
#include "ui/label.h"

namespace tq::app {

class TTrayReminderForm : public EscapeClosesForm {
 public:
  // Creates the (hidden) window, centred on the screen, with the box ticked.
  explicit TTrayReminderForm(HWND owner);
  ~TTrayReminderForm() override;

  Picture ReminderImage;
  ui::Label TextLabel;
  ui::CheckBox ShowCheck;
  ui::Button OKBtn;
};

}  // namespace tq::app
