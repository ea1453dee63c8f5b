#include "spell/dialogs/dialog_frame.h"

#include "ui/window_place.h"

namespace tq::spell {

void CreateSpellingForm(ui::Form& form, HWND owner, int clientWidth, int clientHeight) {
  form.Create({.caption = {},
               .style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME,
               .exStyle = WS_EX_DLGMODALFRAME,
               .owner = owner});
  ui::SetClientSizeCentred(form, form.Scale(clientWidth), form.Scale(clientHeight), owner);
}

void SetDefaultButton(HWND button, bool isDefault) {
  if (button) SendMessageA(button, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

}  // namespace tq::spell
