// Where the About dialog's parts go once its picture is known. Layout pixels
// (96 dpi).
#pragma once

#include "ui/core/form_placement.h"

namespace tq::app {

using ui::core::Rect;
using ui::core::Size;

inline constexpr int kAboutClientWidth = 392;
inline constexpr int kAboutTitlePanelHeight = 92;
inline constexpr int kAboutButtonPanelHeight = 42;

struct AboutLayout {
  Rect imagePanel;  // 10 pixels taller than the picture
  Rect picture;     // centred in the image panel
  Rect titlePanel;
  Rect buttonPanel;
  int clientHeight = 0;  // the three panels and 5 pixels to spare
};

// The layout for a picture of this size (0 by 0 when it could not be loaded).
AboutLayout LayoutAbout(Size picture);

}  // namespace tq::app
