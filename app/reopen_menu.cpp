#include "app/reopen_menu.h"

namespace tq::app {

void ReopenMenu::SetItem(int index, const MenuItemData& item) {
  items_.at(static_cast<size_t>(index)) = item;
  Rebuild();
}

void ReopenMenu::Append(const MenuItemData& item) {
  items_.push_back(item);
  Rebuild();
}

void ReopenMenu::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  items_.erase(items_.begin() + index);
  Rebuild();
}

void ReopenMenu::Rebuild() {
  menu_.Clear();
  for (int i = 0; i < Count(); ++i) {
    const MenuItemData& item = items_[static_cast<size_t>(i)];
    if (item.caption == "-") {
      menu_.AddSeparator();
      continue;
    }
    const int id = menu_.AddItem(item.caption, [this, i] {
      if (onClick) onClick(i);
    });
    menu_.SetEnabled(id, item.enabled);
  }
}

}  // namespace tq::app
