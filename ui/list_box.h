// ListBox: a list of text lines, one of which may be selected. onSelect
// follows a selection the user makes (click or arrow keys), onDoubleClick a
// double click on a line.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "ui/control.h"

namespace tq::ui {

struct ListBoxOptions {
  bool sorted = false;  // lines kept in order, without regard to letter case
  int itemHeight = 0;  // layout pixels; 0 keeps the font's
  int id = 0;
};

class ListBox : public Control {
 public:
  void Create(Wnd& parent, const Rect& bounds, const ListBoxOptions& options = {});
  std::function<void()> onSelect;
  std::function<void()> onDoubleClick;

  void Clear();
  void Add(std::string_view text);
  void Delete(int index);
  int Count() const;
  std::string Item(int index) const;
  // -1: no line selected.
  int SelectedIndex() const;
  void SetSelectedIndex(int index);

 protected:
  bool OnCommandReflected(int code) override;
};

}  // namespace tq::ui
