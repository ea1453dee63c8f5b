#include "ui/hints.h"

#include <commctrl.h>

#include <string>

namespace tq::ui {

Hints::~Hints() {
  if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
}

void Hints::Add(Wnd& owner, Wnd& control, std::string_view text) {
  if (!tip_) {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    tip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner.Handle(), nullptr,
                           GetModuleHandleA(nullptr), nullptr);
    if (!tip_) return;
  }
  std::string s(text);
  TTTOOLINFOA info{};
  info.cbSize = TTTOOLINFOA_V1_SIZE;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = owner.Handle();
  info.uId = reinterpret_cast<UINT_PTR>(control.Handle());
  info.lpszText = s.data();
  SendMessageA(tip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace tq::ui
