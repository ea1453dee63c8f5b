#include "spell/dialogs/dialog_frame.h"

#include <algorithm>

#include "ui/caption_fit.h"
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
  if (button) SendMessageW(button, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void FitButtonColumn(std::initializer_list<ui::Wnd*> column, std::initializer_list<ui::Wnd*> beside) {
  int grow = 0;
  for (ui::Wnd* button : column) grow = std::max(grow, ui::CaptionWidthNeeded(*button) - button->Bounds().width);
  if (grow <= 0) return;
  for (ui::Wnd* button : column) {
    ui::Rect b = button->Bounds();
    b.x -= grow;
    b.width += grow;
    button->SetBounds(b);
  }
  for (ui::Wnd* control : beside) {
    ui::Rect b = control->Bounds();
    b.width -= grow;
    control->SetBounds(b);
  }
}

}  // namespace tq::spell
