#include "ui/link_label.h"

#include "ui/styled_font.h"

namespace tq::ui {

void LinkLabel::Create(Wnd& parent, const Rect& bounds, std::string_view text) {
  CreateControl(parent, "STATIC", bounds, text, SS_LEFTNOWORDWRAP | SS_NOTIFY | SS_NOPREFIX);
  // The parent's font, made bold and underlined.
  font_ = StyledFont(Font(), {.bold = true, .underline = true});
  if (font_) SetFont(font_.get());
}

bool LinkLabel::OnCommandReflected(int code) {
  if (code != STN_CLICKED) return false;
  if (onClick) onClick();
  return true;
}

std::optional<LRESULT> LinkLabel::OnCtlColorReflected(HDC dc) {
  SetTextColor(dc, RGB(0, 0, 255));
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT LinkLabel::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SETCURSOR) {
    SetCursor(LoadCursor(nullptr, IDC_HAND));
    return TRUE;
  }
  return Control::WndProc(msg, wp, lp);
}

}  // namespace tq::ui
