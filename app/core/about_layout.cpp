#include "app/core/about_layout.h"

#include <algorithm>

#include "ui/core/layout_scale.h"

namespace tq::app {

AboutLayout LayoutAbout(Size picture, int dpi) {
  auto scale = [dpi](int pixels) { return ui::core::ScaleForDpi(pixels, dpi); };
  AboutLayout l;
  const int width = scale(kAboutClientWidth);
  auto band = [width](int top, int height) { return Rect{0, top, width, top + height}; };
  l.picture = {scale(picture.width), scale(picture.height)};
  // Centred from the scaled sizes themselves, so rounding cannot push it aside.
  const int left = std::max(0, (width - l.picture.width) / 2);
  const int margin = scale(5);
  l.pictureAt = {left, margin, left + l.picture.width, margin + l.picture.height};
  l.imagePanel = band(0, l.picture.height + 2 * margin);
  l.titlePanel = band(l.imagePanel.bottom, scale(kAboutTitlePanelHeight));
  l.buttonPanel = band(l.titlePanel.bottom, scale(kAboutButtonPanelHeight));
  const int buttonWidth = scale(kAboutButtonWidth), buttonHeight = scale(kAboutButtonHeight);
  const int top = l.buttonPanel.top + (l.buttonPanel.height() - buttonHeight) / 2, edge = scale(10);
  auto button = [&](int x) { return Rect{x, top, x + buttonWidth, top + buttonHeight}; };
  l.licenseBtn = button(edge);
  l.readmeBtn = button(edge + buttonWidth + scale(8));
  l.closeBtn = button(width - edge - buttonWidth);
  l.client = {width, l.buttonPanel.bottom + margin};
  return l;
}

}  // namespace tq::app
