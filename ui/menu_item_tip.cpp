#include "ui/menu_item_tip.h"

#include <commctrl.h>

#include "platform/utf16.h"

namespace tq::ui {

MenuItemTip::~MenuItemTip() {
  if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
}

void MenuItemTip::Show(HWND owner, HMENU menu, int position, std::string_view text) {
  if (!tip_) {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
    if (!tip_) return;
    owner_ = owner;
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V1_SIZE;
    info.uFlags = TTF_TRACK | TTF_ABSOLUTE;
    info.hwnd = owner;
    info.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
  }
  text_.assign(text);
  shown_ = platform::Wide(text);
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V1_SIZE;
  info.hwnd = owner_;
  info.lpszText = shown_.data();
  SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
  RECT item{};
  if (!GetMenuItemRect(nullptr, menu, static_cast<UINT>(position), &item))
    GetCursorPos(reinterpret_cast<POINT*>(&item));
  SendMessageW(tip_, TTM_TRACKPOSITION, 0, MAKELPARAM(item.right + 2, item.top));
  SendMessageW(tip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info));
}

void MenuItemTip::Hide() {
  if (!tip_ || text_.empty()) return;
  text_.clear();
  shown_.clear();
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V1_SIZE;
  info.hwnd = owner_;
  SendMessageW(tip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&info));
}

}  // namespace tq::ui
