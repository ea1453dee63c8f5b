#include "ui/button.h"

namespace tq::ui {

void Button::Create(Wnd& parent, const Rect& bounds, std::string_view caption, const ButtonOptions& options) {
  modalResult = options.modalResult;
  CreateControl(parent, L"BUTTON", bounds, caption, WS_TABSTOP | (options.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
                0, options.id);
}

void Button::Click() {
  // The modal result comes first, so onClick may still take it back (mrNone).
  if (modalResult != mrNone) {
    if (Form* form = Form::Of(Handle())) form->SetModalResult(modalResult);
  }
  if (onClick) onClick();
}

bool Button::OnCommandReflected(int code) {
  if (code != BN_CLICKED) return false;
  Click();
  return true;
}

void CheckBox::Create(Wnd& parent, const Rect& bounds, std::string_view caption, int id) {
  CreateControl(parent, L"BUTTON", bounds, caption, WS_TABSTOP | BS_AUTOCHECKBOX, 0, id);
}

bool CheckBox::Checked() const { return Send(BM_GETCHECK) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }

bool CheckBox::OnCommandReflected(int code) {
  if (code != BN_CLICKED) return false;
  if (onClick) onClick();
  return true;
}

}  // namespace tq::ui
