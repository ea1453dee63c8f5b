// ComboBox: a drop-down list to choose one of several texts, or an editable
// one whose text may also be typed.
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
  // The editable variant: a text box with the list below it.
  void CreateEditable(Wnd& parent, const Rect& bounds, int id = 0);

  std::function<void()> onSelectionChanged;  // by the user
  // Editable variant: the user changed the text by typing (the text is then
  // Text(); after a choice from the list it is ItemText(SelectedIndex())).
  std::function<void()> onEditChange;

  int AddItem(std::string_view text);  // returns the item's index
  void Clear();
  int Count() const;
  std::string ItemText(int index) const;
  int SelectedIndex() const;  // -1 when nothing is chosen
  void SetSelectedIndex(int index);
  // Editable variant: the most characters the user can type (0: no limit).
  void SetMaxLength(int chars);

 protected:
  bool OnCommandReflected(int code) override;
};

}  // namespace tq::ui
