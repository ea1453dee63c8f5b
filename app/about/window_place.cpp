#include "app/about/window_place.h"

#include "app/core/about_layout.h"

namespace tq::app {
namespace {

Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

void PlaceOuter(ui::Form& form, int width, int height, HWND centreOn) {
  const bool onWindow = centreOn && IsWindowVisible(centreOn) && !IsIconic(centreOn);
  HMONITOR monitor = MonitorFromWindow(onWindow ? centreOn : form.Handle(), MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoA(monitor, &info);
  const Rect work = ToRect(info.rcWork);
  Rect area = work;
  if (onWindow) {
    RECT r{};
    GetWindowRect(centreOn, &r);
    area = ToRect(r);
  }
  const Rect placed = CentredRect({width, height}, area, work);
  SetWindowPos(form.Handle(), nullptr, placed.left, placed.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void SetClientSizeCentred(ui::Form& form, int width, int height, HWND centreOn) {
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(form.Handle(), GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongA(form.Handle(), GWL_EXSTYLE)));
  PlaceOuter(form, r.right - r.left, r.bottom - r.top, centreOn);
}

void Centre(ui::Form& form, HWND centreOn) {
  const ui::Rect b = form.Bounds();
  PlaceOuter(form, b.width, b.height, centreOn);
}

}  // namespace tq::app
