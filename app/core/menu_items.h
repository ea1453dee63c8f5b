// The sub-items of one menu as the recent-files list sees them: an ordered
// list of items with a caption, a hidden text (the hint, holding a full
// path), an enabled flag and a help context. The Win32 side implements it
// over an HMENU and routes a click on an item back by its position; tests
// use a plain list.
#pragma once

#include <string>

namespace tq::app {

struct MenuItemData {
  std::string caption;  // "-" is a separator
  std::string hint;
  bool enabled = true;
  int help_context = 0;
  bool operator==(const MenuItemData&) const = default;
};

class MenuItems {
 public:
  virtual ~MenuItems() = default;
  virtual int Count() const = 0;
  virtual MenuItemData Item(int index) const = 0;
  virtual void SetItem(int index, const MenuItemData& item) = 0;
  virtual void Append(const MenuItemData& item) = 0;
  virtual void Delete(int index) = 0;
};

}  // namespace tq::app
