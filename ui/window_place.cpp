#include "ui/window_place.h"

#include "ui/core/popup_place.h"
#include "ui/core/window_centring.h"

namespace tq::ui {
namespace {

core::Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

void PlaceOuter(Form& form, int width, int height, HWND centreOn) {
  const bool onWindow = centreOn && IsWindowVisible(centreOn) && !IsIconic(centreOn);
  HMONITOR monitor = onWindow ? MonitorFromWindow(centreOn, MONITOR_DEFAULTTONEAREST)
                              : MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(monitor, &info);
  const core::Rect work = ToRect(info.rcWork);
  core::Rect area = work;
  RECT r{};
  if (onWindow && GetWindowRect(centreOn, &r)) area = ToRect(r);
  const core::Rect placed = core::CentredRect({width, height}, area, work);
  SetWindowPos(form.Handle(), nullptr, placed.left, placed.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

SIZE OuterSizeFor(HWND window, int width, int height) {
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
  return {r.right - r.left, r.bottom - r.top};
}

void SetClientSizeCentred(Form& form, int width, int height, HWND centreOn) {
  const SIZE outer = OuterSizeFor(form.Handle(), width, height);
  PlaceOuter(form, outer.cx, outer.cy, centreOn);
}

void Centre(Form& form, HWND centreOn) {
  const Rect b = form.Bounds();
  PlaceOuter(form, b.width, b.height, centreOn);
}

void PlaceNearCaret(Form& form, DWORD thread) {
  std::optional<core::Rect> caret;
  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  if (thread != 0 && GetGUIThreadInfo(thread, &gui) && gui.hwndCaret && gui.rcCaret.bottom > gui.rcCaret.top) {
    POINT corners[2] = {{gui.rcCaret.left, gui.rcCaret.top}, {gui.rcCaret.right, gui.rcCaret.bottom}};
    MapWindowPoints(gui.hwndCaret, nullptr, corners, 2);
    caret = core::Rect{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
  }
  POINT mouse{};
  GetCursorPos(&mouse);
  const POINT anchor = caret ? POINT{caret->left, caret->bottom} : mouse;
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromPoint(anchor, MONITOR_DEFAULTTONEAREST), &info);
  const Rect b = form.Bounds();
  const core::Rect placed = core::PopupNear({b.width, b.height}, caret, {mouse.x, mouse.y}, ToRect(info.rcWork));
  SetWindowPos(form.Handle(), nullptr, placed.left, placed.top, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace tq::ui
