// TNewCustomDictionary: asks for the name of a custom dictionary to create.
// The name is taken as the user typed it; the dictionaries dialog makes a
// bare ".adu" file name of it.
#pragma once

#include <windows.h>

#include "spell/dialogs/configuration_dialog_ctrl.h"
#include "spell/dialogs/spelling_form.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/label.h"

namespace tq::spell {

class TNewCustomDictionary : public TSpellingForm {
 public:
  explicit TNewCustomDictionary(HWND owner);
  ~TNewCustomDictionary() override;

  TConfigurationDialogCtrl DialogControl;
  TConfigurationDialogCtrl* ConfigurationDialogCtrl() override { return &DialogControl; }

  ui::Label EditLabel;
  ui::Edit NameEdit;
  ui::Button OKButton, CancelButton;

  void DialogControlConfigurationAvailable();
};

}  // namespace tq::spell
