// ComboBox: a drop-down list to choose one of several texts.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "ui/control.h"

namespace tq::ui {

class ComboBox : public Control {
 public:
  // `bounds` includes the height of the opened list.
  void Create(Wnd& parent, const Rect& bounds, int id = 0);

  std::function<void()> onSelectionChanged;  // by the user

  int AddItem(std::string_view text);  // returns the item's index
  void Clear();
  int Count() const;
  std::string ItemText(int index) const;
  int SelectedIndex() const;  // -1 when nothing is chosen
  void SetSelectedIndex(int index);

 protected:
  bool OnCommandReflected(int code) override;
};

}  // namespace tq::ui
