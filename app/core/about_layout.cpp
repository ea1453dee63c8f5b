#include "app/core/about_layout.h"

#include <algorithm>

namespace tq::app {
namespace {

Rect Band(int top, int height) { return {0, top, kAboutClientWidth, top + height}; }

// Moves [start, start + length) into [low, high) where it fits; a window
// larger than the range keeps its start at `low`.
int KeepWithin(int start, int length, int low, int high) { return std::max(low, std::min(start, high - length)); }

}  // namespace

AboutLayout LayoutAbout(Size picture) {
  AboutLayout l;
  l.imagePanel = Band(0, picture.height + 10);
  const int left = std::max(0, (kAboutClientWidth - picture.width) / 2);
  l.picture = {left, 5, left + picture.width, 5 + picture.height};
  l.titlePanel = Band(l.imagePanel.bottom, kAboutTitlePanelHeight);
  l.buttonPanel = Band(l.titlePanel.bottom, kAboutButtonPanelHeight);
  l.clientHeight = l.buttonPanel.bottom + 5;
  return l;
}

Rect CentredRect(Size size, const Rect& area, const Rect& workArea) {
  int left = area.left + (area.width() - size.width) / 2;
  int top = area.top + (area.height() - size.height) / 2;
  left = KeepWithin(left, size.width, workArea.left, workArea.right);
  top = KeepWithin(top, size.height, workArea.top, workArea.bottom);
  return {left, top, left + size.width, top + size.height};
}

}  // namespace tq::app
