#include "ui/menu_item_tip.h"

#include <commctrl.h>

namespace tq::ui {

MenuItemTip::~MenuItemTip() {
  if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
}

void MenuItemTip::Show(HWND owner, HMENU menu, int position, std::string_view text) {
  if (!tip_) {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
    if (!tip_) return;
    owner_ = owner;
    TTTOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    info.hwnd = owner;
    info.lpszText = const_cast<char*>("");
    SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  }
  text_.assign(text);
  TTTOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.hwnd = owner_;
  info.lpszText = text_.data();
  SendMessageA(tip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
  RECT item{};
  if (!GetMenuItemRect(nullptr, menu, static_cast<UINT>(position), &item))
    GetCursorPos(reinterpret_cast<POINT*>(&item));
  SendMessageA(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(item.right + 2, item.top));
  SendMessageA(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info));
}

void MenuItemTip::Hide() {
  if (!tip_ || text_.empty()) return;
  text_.clear();
  TTTOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.hwnd = owner_;
  SendMessageA(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&info));
}

}  // namespace tq::ui
