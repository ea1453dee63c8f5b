// ReopenMenu: the "&ReOpen" submenu as the recent-files list sees it. It
// keeps the items (caption, path, enabled) and rebuilds the Win32 submenu
// after every change, the entries numbered; a chosen item is reported by
// its position.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/core/menu_items.h"
#include "ui/menu.h"

namespace tq::app {

class ReopenMenu final : public MenuItems {
 public:
  explicit ReopenMenu(ui::Menu& menu) : menu_(menu) {}

  std::function<void(int index)> onClick;

  int Count() const override { return static_cast<int>(items_.size()); }
  MenuItemData Item(int index) const override { return items_.at(static_cast<size_t>(index)); }
  void SetItem(int index, const MenuItemData& item) override;
  void Append(const MenuItemData& item) override;
  void Delete(int index) override;

  // The full path of the entry whose menu command this is, if any.
  std::optional<std::string> PathOfCommand(int id) const;

 private:
  void Rebuild();

  ui::Menu& menu_;
  std::vector<MenuItemData> items_;
  std::vector<int> ids_;  // the menu command of each item (0: a separator)
};

}  // namespace tq::app
