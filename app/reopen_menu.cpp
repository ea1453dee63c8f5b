#include "app/reopen_menu.h"

#include "app/core/recent_file_texts.h"

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
  ids_.clear();
  const std::vector<std::string> texts = RecentFileMenuTexts(items_);
  for (int i = 0; i < Count(); ++i) {
    const MenuItemData& item = items_[static_cast<size_t>(i)];
    if (item.caption == "-") {
      menu_.AddSeparator();
      ids_.push_back(0);
      continue;
    }
    const int id = menu_.AddItem(texts[static_cast<size_t>(i)], [this, i] {
      if (onClick) onClick(i);
    });
    menu_.SetEnabled(id, item.enabled);
    ids_.push_back(id);
  }
}

std::optional<std::string> ReopenMenu::PathOfCommand(int id) const {
  for (size_t i = 0; i < ids_.size(); ++i)
    if (ids_[i] == id && id != 0 && items_[i].enabled) return items_[i].hint;
  return std::nullopt;
}

}  // namespace tq::app
