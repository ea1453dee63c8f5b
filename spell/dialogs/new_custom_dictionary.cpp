#include "spell/dialogs/new_custom_dictionary.h"

#include "spell/dialogs/dialog_frame.h"
#include "spell/dialogs/spell_dialogs.h"

namespace tq::spell {

TNewCustomDictionary::TNewCustomDictionary(HWND owner) {
  CreateSpellingForm(*this, owner, 231, 102);
  // Room for a second line when a font makes the text wider than the form.
  EditLabel.Create(*this, {8, 12, 217, 26}, "Name");
  NameEdit.Create(*this, {8, 40, 217, 21});
  OKButton.Create(*this, {70, 72, 75, 23}, "OK", {.id = IDOK, .isDefault = true, .modalResult = ui::mrOk});
  CancelButton.Create(*this, {150, 72, 75, 23}, "Cancel", {.id = IDCANCEL, .modalResult = ui::mrCancel});
  DialogControl.OnConfigurationAvailable = [this](TConfigurationDialogCtrl*) { DialogControlConfigurationAvailable(); };
}

TNewCustomDictionary::~TNewCustomDictionary() = default;

void TNewCustomDictionary::DialogControlConfigurationAvailable() {
  SetText(DialogControl.GetString(lsNewCustomTitle));
  EditLabel.SetText(DialogControl.GetString(lsDlgNewCustom));
  OKButton.SetText(DialogControl.GetString(lsDlgOK));
  CancelButton.SetText(DialogControl.GetString(lsDlgCancel));
  if (TSpellDialogs* dialogs = DialogControl.ReadSpellDialogs()) dialogs->SetupFormFonts(this, false);
}

}  // namespace tq::spell
