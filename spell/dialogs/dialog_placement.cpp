#include "spell/dialogs/dialog_placement.h"

#include "ui/form.h"

namespace tq::spell {

POINT DialogPositionInside(const RECT& monitor, int width, int height, int x, int y) {
  if (x < monitor.left) x = monitor.left;
  if (y < monitor.top) y = monitor.top;
  if (x + width > monitor.right) x = monitor.right - width;
  if (y + height > monitor.bottom) y = monitor.bottom - height;
  return {x, y};
}

POINT DialogPositionForRect(const RECT& monitor, const RECT& dialog, const RECT& word, bool horizontal, bool vertical) {
  const int width = dialog.right - dialog.left, height = dialog.bottom - dialog.top;
  POINT at{dialog.left, dialog.top};
  if (horizontal) {
    at.x = word.left;
    if (at.x + width > monitor.right) at.x = monitor.right - width;
  }
  if (vertical) {
    at.y = word.bottom;
    if (at.y + height > monitor.bottom) at.y = word.top - height;
  }
  return at;
}

std::optional<POINT> DialogPositionBesideControl(const RECT& monitor, const RECT& control, int width, int height) {
  if (control.bottom + height <= monitor.bottom) return POINT{control.left, control.bottom};
  if (control.right + width <= monitor.right) return POINT{control.right, control.top};
  if (control.top - height >= monitor.top) return POINT{control.left, control.top - height};
  if (control.left - width >= monitor.left) return POINT{control.left - width, control.top};
  return std::nullopt;
}

RECT MonitorRectOf(const ui::Form& form) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (GetMonitorInfoW(MonitorFromWindow(form.Handle(), MONITOR_DEFAULTTONEAREST), &info)) return info.rcMonitor;
  return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void AdjustDialogToRect(ui::Form& form, const RECT& rect, bool horizontal, bool vertical) {
  RECT dialog{};
  GetWindowRect(form.Handle(), &dialog);
  const POINT at = DialogPositionForRect(MonitorRectOf(form), dialog, rect, horizontal, vertical);
  AdjustDialogPosition(form, at.x, at.y);
}

void AdjustDialogPosition(ui::Form& form, int x, int y) {
  if (!form.Handle()) return;
  RECT dialog{};
  GetWindowRect(form.Handle(), &dialog);
  const POINT at =
      DialogPositionInside(MonitorRectOf(form), dialog.right - dialog.left, dialog.bottom - dialog.top, x, y);
  SetWindowPos(form.Handle(), nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tq::spell
