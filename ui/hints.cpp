#include "ui/hints.h"

#include <commctrl.h>

#include <string>

#include "platform/utf16.h"

namespace tq::ui {

Hints::~Hints() {
  if (tip_ && IsWindow(tip_)) DestroyWindow(tip_);
}

void Hints::Add(Wnd& owner, Wnd& control, std::string_view text) {
  if (!tip_) {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner.Handle(), nullptr,
                           GetModuleHandleW(nullptr), nullptr);
    if (!tip_) return;
  }
  // The tooltip keeps its own copy of the text.
  std::wstring s = platform::Wide(text);
  TTTOOLINFOW info{};
  info.cbSize = TTTOOLINFOW_V1_SIZE;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = owner.Handle();
  info.uId = reinterpret_cast<UINT_PTR>(control.Handle());
  info.lpszText = s.data();
  SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

}  // namespace tq::ui
