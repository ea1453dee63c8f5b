#include "app/about/white_panel.h"

#include "ui/url_label.h"

namespace tq::app {
namespace {
constexpr wchar_t kWhitePanelClass[] = L"TqWhitePanel";
}

void WhitePanel::Create(ui::Wnd& parent, const ui::Rect& bounds) {
  RegisterClassOnce(kWhitePanelClass, 0, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)), nullptr);
  CreateOwnChild(parent, kWhitePanelClass, bounds, WS_CLIPCHILDREN, WS_EX_CONTROLPARENT);
}

LRESULT WhitePanel::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CTLCOLORSTATIC && !dynamic_cast<ui::TURLLabel*>(FromHandle(reinterpret_cast<HWND>(lp)))) {
    auto dc = reinterpret_cast<HDC>(wp);
    SetBkColor(dc, RGB(255, 255, 255));
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
  }
  return Control::WndProc(msg, wp, lp);
}

}  // namespace tq::app
