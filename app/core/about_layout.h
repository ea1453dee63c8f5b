// Where the About dialog's parts go once its picture is known, and where the
// small windows around the main window are placed. Layout pixels (96 dpi).
#pragma once

#include "app/core/form_placement.h"

namespace tq::app {

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

// The top-left corner that centres a window of `size` on `area`, moved as
// little as needed to keep the whole window on the work area (the window's
// title bar must never end up where the user cannot reach it).
Rect CentredRect(Size size, const Rect& area, const Rect& workArea);

}  // namespace tq::app
