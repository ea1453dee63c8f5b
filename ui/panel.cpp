#include "ui/panel.h"

namespace tq::ui {
namespace {
constexpr wchar_t kPanelClass[] = L"TqPanel";
}

void Panel::Create(Wnd& parent, const Rect& bounds, const PanelOptions& options) {
  RegisterClassOnce(kPanelClass, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1), nullptr);
  // Tab moves into the panel's controls (WS_EX_CONTROLPARENT).
  CreateOwnChild(parent, kPanelClass, bounds, WS_CLIPCHILDREN,
                 WS_EX_CONTROLPARENT | (options.border ? WS_EX_STATICEDGE : 0));
}

}  // namespace tq::ui
