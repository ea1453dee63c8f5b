#include "ui/url_label.h"

#include <windowsx.h>

#include "platform/utf16.h"
#include "ui/form.h"
#include "ui/handles.h"
#include "ui/styled_font.h"

namespace tq::ui {
namespace {

// The brush the parent paints its background with, so the label blends in
// on a white panel as on a grey one.
HBRUSH ParentBackground(HWND label) {
  const auto value = GetClassLongPtrW(GetParent(label), GCLP_HBRBACKGROUND);
  // A system colour index + 1 stands in for a brush in a window class.
  if (value > 0 && value <= COLOR_MENUBAR + 1) return GetSysColorBrush(static_cast<int>(value) - 1);
  if (value != 0) return reinterpret_cast<HBRUSH>(value);
  return GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace

void TURLLabel::Create(Wnd& parent, const Rect& bounds, std::string_view caption, const URLLabelOptions& options) {
  // SS_NOTIFY: without it a static control lets the mouse through to its parent.
  DWORD style = SS_NOTIFY | SS_NOPREFIX | (options.center ? SS_CENTER : SS_LEFTNOWORDWRAP);
  CreateControl(parent, L"STATIC", bounds, caption, style, 0, options.id);
  font_ = StyledFont(Font(), {.underline = true});
  if (font_) SetFont(font_.get());
  color_ = ColorNormal;
}

int TURLLabel::TextWidth() const {
  WindowDc dc(Handle());
  const SelectedObject selected(dc.get(), Font());
  const std::wstring text = platform::Wide(Text());
  SIZE size{};
  GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

void TURLLabel::SetColor(COLORREF color) {
  if (color == color_) return;
  color_ = color;
  InvalidateRect(Handle(), nullptr, TRUE);
}

bool TURLLabel::Inside(int x, int y) const {
  const Rect client = ClientRect();
  return x >= 0 && y >= 0 && x <= client.width && y <= client.height;
}

void TURLLabel::ButtonDown() {
  pressed_ = true;
  // The release must come here even when it happens off the label.
  SetCapture(Handle());
  SetColor(ColorClick);
}

void TURLLabel::ButtonUp(int x, int y, bool leftButton) {
  const bool wasPressed = pressed_;
  pressed_ = false;
  if (GetCapture() == Handle()) ReleaseCapture();
  if (!Inside(x, y)) {
    hover_ = false;
    SetColor(ColorNormal);
    return;
  }
  // The capture ended any leave tracking: ask for it again.
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
  TrackMouseEvent(&track);
  if (wasPressed && !URL.empty() && openURL) {
    Form* form = Form::Of(Handle());
    openURL(form ? form->Handle() : GetAncestor(Handle(), GA_ROOT), URL, SW_SHOW);
  }
  SetColor(ColorMoveOver);
  if (wasPressed && leftButton && onClick) onClick();
}

void TURLLabel::MouseMove(int x, int y) {
  const bool inside = Inside(x, y);
  if (inside && !hover_) {
    MouseEnter();
  } else if (!inside && hover_) {
    MouseLeave();  // seen while the label holds the mouse capture
  }
}

void TURLLabel::MouseEnter() {
  hover_ = true;
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
  TrackMouseEvent(&track);
  SetColor(pressed_ ? ColorClick : ColorMoveOver);
}

void TURLLabel::MouseLeave() {
  hover_ = false;
  SetColor(ColorNormal);
}

LRESULT TURLLabel::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      ButtonDown();
      break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      ButtonUp(GET_X_LPARAM(lp), GET_Y_LPARAM(lp), msg == WM_LBUTTONUP);
      break;
    case WM_MOUSEMOVE:
      MouseMove(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      break;
    case WM_MOUSELEAVE:
      // While the capture is held, leaving is seen in the moves instead.
      if (hover_ && GetCapture() != Handle()) MouseLeave();
      break;
    case WM_CAPTURECHANGED:
      // Taken away mid-press (another window took the mouse): the press is over.
      if (pressed_ && reinterpret_cast<HWND>(lp) != Handle()) {
        pressed_ = false;
        SetColor(ColorNormal);
      }
      break;
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649)));  // IDC_HAND
      return TRUE;
  }
  return Control::WndProc(msg, wp, lp);
}

bool TURLLabel::OnCommandReflected(int code) {
  // Clicks are raised from the button messages above.
  return code == STN_CLICKED || code == STN_DBLCLK;
}

std::optional<LRESULT> TURLLabel::OnCtlColorReflected(HDC dc) {
  SetTextColor(dc, color_);
  SetBkMode(dc, TRANSPARENT);
  return reinterpret_cast<LRESULT>(ParentBackground(Handle()));
}

}  // namespace tq::ui
