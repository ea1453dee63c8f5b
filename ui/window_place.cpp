#include "ui/window_place.h"

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
  GetMonitorInfoA(monitor, &info);
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
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE)));
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

}  // namespace tq::ui
