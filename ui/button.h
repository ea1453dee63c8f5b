// Push button and check box. A click raises onClick; a push button with a
// modal result first sets it on its form, which ends the form's ShowModal.
#pragma once

#include <functional>
#include <string_view>

#include "ui/control.h"
#include "ui/form.h"

namespace tq::ui {

struct ButtonOptions {
  int id = 0;  // IDOK / IDCANCEL make Enter / Escape press the button
  bool isDefault = false;
  int modalResult = mrNone;
};

class Button : public Control {
 public:
  void Create(Wnd& parent, const Rect& bounds, std::string_view caption, const ButtonOptions& options = {});

  std::function<void()> onClick;
  int modalResult = mrNone;

  // Does what a click does.
  void Click();

 protected:
  bool OnCommandReflected(int code) override;
};

class CheckBox : public Control {
 public:
  void Create(Wnd& parent, const Rect& bounds, std::string_view caption, int id = 0);

  std::function<void()> onClick;

  bool Checked() const;
  void SetChecked(bool checked);

 protected:
  bool OnCommandReflected(int code) override;
};

}  // namespace tq::ui
