#include "ui/link_label.h"

#include <algorithm>
#include <string>

#include "platform/utf16.h"
#include "ui/handles.h"
#include "ui/styled_font.h"

namespace tq::ui {
namespace {

bool IsActivationKey(WPARAM key) { return key == VK_RETURN || key == VK_SPACE; }

}  // namespace

void LinkLabel::Create(Wnd& parent, const Rect& bounds, std::string_view text) {
  CreateControl(parent, L"STATIC", bounds, text, WS_TABSTOP | SS_LEFTNOWORDWRAP | SS_NOTIFY | SS_NOPREFIX);
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

void LinkLabel::DrawFocus() {
  // Around the text, not the whole width the label was given.
  const std::wstring text = platform::Wide(Text());
  const WindowDc window(Handle());
  HDC dc = window.get();
  if (!dc) return;
  RECT r{};
  {
    const SelectedObject selected(dc, Font());
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  }
  RECT client{};
  GetClientRect(Handle(), &client);
  r.right = std::min<LONG>(r.right + 2, client.right);
  r.bottom = std::min<LONG>(r.bottom + 1, client.bottom);
  DrawFocusRect(dc, &r);
}

LRESULT LinkLabel::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));  // IDC_HAND
      return TRUE;
    case WM_GETDLGCODE: {
      // Enter and Space come here rather than to the dialog's default button.
      const auto* key = reinterpret_cast<const MSG*>(lp);
      if (key && (key->message == WM_KEYDOWN || key->message == WM_CHAR) && IsActivationKey(key->wParam))
        return DLGC_WANTMESSAGE;
      break;
    }
    case WM_KEYDOWN:
      // Once per press, not again while the key repeats.
      if (IsActivationKey(wp) && !(lp & (1 << 30))) {
        if (onClick) onClick();
        return 0;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(Handle(), nullptr, TRUE);
      break;
    case WM_PAINT: {
      const LRESULT result = Control::WndProc(msg, wp, lp);
      if (GetFocus() == Handle()) DrawFocus();
      return result;
    }
  }
  return Control::WndProc(msg, wp, lp);
}

}  // namespace tq::ui
