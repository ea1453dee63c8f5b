// Where the About dialog's parts go once its picture is known, in screen
// pixels for a layout DPI (see ui/core/layout_scale.h): the picture scaled
// with the rest and centred in its panel, the title panel under it and the
// buttons' panel at the bottom. The constants are layout pixels (96 dpi).
#pragma once

#include "ui/core/form_placement.h"

namespace tq::app {

using ui::core::Rect;
using ui::core::Size;

inline constexpr int kAboutClientWidth = 392;
inline constexpr int kAboutTitlePanelHeight = 92;
inline constexpr int kAboutButtonPanelHeight = 42;
inline constexpr int kAboutButtonWidth = 75;
inline constexpr int kAboutButtonHeight = 25;

struct AboutLayout {
  Size picture;     // the picture's shown size
  Rect imagePanel;  // 10 layout pixels taller than the picture
  Rect pictureAt;   // centred in the image panel, in its coordinates
  Rect titlePanel;
  Rect buttonPanel;
  Rect licenseBtn, readmeBtn, closeBtn;  // License and Readme left, Close right
  Size client;                           // the three panels and 5 layout pixels to spare
};

// The layout for a picture of this size in bitmap pixels (0 by 0 when it
// could not be loaded), which is shown scaled like layout pixels.
AboutLayout LayoutAbout(Size picture, int dpi);

}  // namespace tq::app
