// MenuItemTip: a tooltip beside an item of an open menu, for text that does
// not fit in the item (a recent file's full path). The owner shows it when
// the item is highlighted (WM_MENUSELECT) and hides it otherwise.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tq::ui {

class MenuItemTip {
 public:
  MenuItemTip() = default;
  ~MenuItemTip();
  MenuItemTip(const MenuItemTip&) = delete;
  MenuItemTip& operator=(const MenuItemTip&) = delete;

  // Shows `text` to the right of the item at `position` of `menu`, which is
  // open for `owner`; `text` is UTF-8.
  void Show(HWND owner, HMENU menu, int position, std::string_view text);
  void Hide();
  // The text shown, empty when hidden.
  const std::string& Text() const { return text_; }

 private:
  HWND tip_ = nullptr;
  HWND owner_ = nullptr;
  std::string text_;    // UTF-8
  std::wstring shown_;  // the same as the tooltip is given it
};

}  // namespace tq::ui
