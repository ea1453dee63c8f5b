// TSpellingForm: the base of every spelling dialog form. A form carries a
// TConfigurationDialogCtrl through which it talks to the engine, and lets
// the engine put its own handlers on the form's showing and activation while
// a check run uses it.
#pragma once

#include <functional>

#include "ui/form.h"

namespace tq::spell {

class TConfigurationDialogCtrl;

class TSpellingForm : public ui::Form {
 public:
  using TFormEvent = std::function<void(TSpellingForm* Sender)>;

  // The form's mediator; none for a form without one.
  virtual TConfigurationDialogCtrl* ConfigurationDialogCtrl() { return nullptr; }

  // The form becomes visible.
  TFormEvent OnShow;
  // Another window of this program takes the activation from the form.
  TFormEvent OnDeactivate;
  // The form gets the activation.
  TFormEvent OnActivate;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
};

}  // namespace tq::spell
