#include "app/core/about_layout.h"

#include <algorithm>

namespace tq::app {
namespace {

Rect Band(int top, int height) { return {0, top, kAboutClientWidth, top + height}; }

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

}  // namespace tq::app
