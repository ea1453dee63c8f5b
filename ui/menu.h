// Menu: a form's menu bar or a popup menu, whose items run callbacks when
// chosen. It owns its HMENU (a submenu belongs to its parent menu). Command
// ids are given out by the menu itself, from 100 up, unique in one menu tree;
// the ids of cleared items are given out again, so a menu rebuilt all day
// long keeps them within the 16 bits a WM_COMMAND carries.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ui/handles.h"

namespace tq::ui {

// A key combination that runs a menu item; key is a virtual-key code, 0 for
// none.
struct Shortcut {
  UINT key = 0;
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
};
// The text shown after an item's caption, for instance "Ctrl+O".
std::string ShortcutText(const Shortcut& s);

class Menu {
 public:
  enum class Kind { Bar, Popup };
  explicit Menu(Kind kind);
  Menu(const Menu&) = delete;
  Menu& operator=(const Menu&) = delete;
  ~Menu();

  HMENU Handle() const { return handle_; }

  // Appends an item (its text may hold an & mnemonic) and returns its id.
  int AddItem(std::string_view text, std::function<void()> onClick, Shortcut shortcut = {});
  void AddSeparator();
  // Appends a submenu; the returned menu lives as long as this one (or until
  // Clear).
  Menu& AddSubmenu(std::string_view text);
  // Removes every item and submenu; their ids become free for new items.
  void Clear();
  int ItemCount() const;

  // Item state by id, anywhere in this menu's tree.
  void SetEnabled(int id, bool enabled);
  bool IsEnabled(int id) const;
  void SetChecked(int id, bool checked);
  bool IsChecked(int id) const;
  void SetItemText(int id, std::string_view text);
  std::string ItemText(int id) const;
  void SetDefaultItem(int id);

  // Runs the click callback of the item with this id (searching submenus);
  // false when there is none.
  bool Dispatch(int id);

  // Shows this popup menu at a screen point for `owner` and waits for the
  // choice; runs the chosen item's callback and returns its id, or 0 when the
  // menu was dismissed.
  int Popup(HWND owner, POINT screen);

  // Accelerator entries for the items with shortcuts, in this menu's tree.
  std::vector<ACCEL> Accelerators() const;

 private:
  struct Item {
    int id;
    std::function<void()> onClick;
    Shortcut shortcut;
  };
  // Only a menu makes its submenus.
  struct SubmenuTag {
    explicit SubmenuTag() = default;
  };

 public:
  Menu(SubmenuTag, Menu* root, HMENU handle);

 private:
  const Menu* FindOwner(int id) const;
  int NextId();
  void ReleaseIds();
  void CollectAccelerators(std::vector<ACCEL>& out) const;

  UniqueMenu owned_;  // empty for a submenu: the parent menu destroys it
  HMENU handle_ = nullptr;
  Menu* root_;
  int nextId_ = 100;
  std::set<int> freeIds_;  // in the root: ids of cleared items, given out lowest first
  std::vector<Item> items_;
  std::vector<std::unique_ptr<Menu>> submenus_;
};

}  // namespace tq::ui
