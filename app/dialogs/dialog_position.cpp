#include "app/dialogs/dialog_position.h"

#include <algorithm>

namespace tq::app {

ui::Rect CenteredOn(const ui::Rect& owner, int width, int height, const ui::Rect& work_area) {
  int x = owner.x + (owner.width - width) / 2;
  int y = owner.y + (owner.height - height) / 2;
  // The far edges first, so a dialog larger than the work area keeps its
  // caption on the screen.
  x = std::max(std::min(x, work_area.right() - width), work_area.x);
  y = std::max(std::min(y, work_area.bottom() - height), work_area.y);
  return {x, y, width, height};
}

SIZE OuterSizeFor(HWND dialog, int width, int height) {
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongA(dialog, GWL_EXSTYLE)));
  return {r.right - r.left, r.bottom - r.top};
}

void PlaceDialog(HWND dialog, HWND owner, int width, int height) {
  const SIZE outer = OuterSizeFor(dialog, width, height);
  // A hidden or minimised owner (the main window in the tray) has no place
  // worth centring on: the dialog then goes to the middle of the screen.
  const bool ownerShown = owner && IsWindowVisible(owner) && !IsIconic(owner);
  HMONITOR monitor = ownerShown ? MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST)
                                : MonitorFromWindow(nullptr, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoA(monitor, &info);
  const ui::Rect work{info.rcWork.left, info.rcWork.top, info.rcWork.right - info.rcWork.left,
                      info.rcWork.bottom - info.rcWork.top};
  ui::Rect around = work;
  RECT o{};
  if (ownerShown && GetWindowRect(owner, &o)) around = {o.left, o.top, o.right - o.left, o.bottom - o.top};
  const ui::Rect r = CenteredOn(around, outer.cx, outer.cy, work);
  SetWindowPos(dialog, nullptr, r.x, r.y, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tq::app
