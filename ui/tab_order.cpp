#include "ui/tab_order.h"

#include <algorithm>
#include <vector>

namespace tq::ui {
namespace {

bool ShownAndEnabled(HWND hwnd) {
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  return (style & WS_VISIBLE) && !(style & WS_DISABLED);
}

// The stops below `parent` in Z order, which is the order of creation.
void CollectStops(HWND parent, std::vector<HWND>& stops) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!ShownAndEnabled(child)) continue;
    if (GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) stops.push_back(child);
    if (GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) CollectStops(child, stops);
  }
}

}  // namespace

HWND NextTabStop(HWND root, HWND from, bool backwards) {
  std::vector<HWND> stops;
  CollectStops(root, stops);
  if (stops.empty()) return nullptr;
  // The innermost stop holding `from`: a control parent that is a stop holds
  // the stops inside it too.
  auto at = stops.end();
  for (HWND w = from; w && w != root && at == stops.end(); w = GetParent(w))
    at = std::find(stops.begin(), stops.end(), w);
  const auto count = static_cast<std::ptrdiff_t>(stops.size());
  if (at == stops.end()) return backwards ? stops.back() : stops.front();
  const std::ptrdiff_t index = at - stops.begin();
  return stops[static_cast<size_t>((index + (backwards ? count - 1 : 1)) % count)];
}

}  // namespace tq::ui
