// The main window's layout limits: the room its button columns need, and the
// height the tree pane may take so that both panes keep their buttons.
// Sizes are in layout pixels (96 dpi) unless a function says otherwise.
#pragma once

namespace tq::app {

inline constexpr int kMainButtonColumnWidth = 78;
inline constexpr int kMainSplitterHeight = 4;
// Buttons of a column: 24 pixels high, 28 apart, 4 from the column's top.
inline constexpr int kMainButtonTop = 4;
inline constexpr int kMainButtonPitch = 28;
inline constexpr int kMainButtonHeight = 24;
inline constexpr int kMainTopButtons = 4;      // Add, Edit, Delete, Refresh
inline constexpr int kMainBottomButtons = 3;   // Insert, As Text, Copy
inline constexpr int kMainMinTreeWidth = 162;  // also keeps the menu bar on one line

// The height a column of `buttons` buttons needs, with the margin below.
constexpr int ButtonColumnHeight(int buttons) {
  return buttons > 0 ? kMainButtonTop + (buttons - 1) * kMainButtonPitch + kMainButtonHeight + kMainButtonTop : 0;
}

struct MainClientSize {
  int width = 0;
  int height = 0;
};

// The smallest client area that shows every button of both panes whole.
MainClientSize MainMinimumClient();

// The tree pane's height for a wish (the splitter's or the stored one) in a
// client area `client_height` high: never below `tree_min` (its buttons), and
// leaving the splitter and `preview_min` (the preview pane's buttons) below
// it; the tree pane wins when the area is too small for both. All in the
// same pixels.
int FitTreePaneHeight(int wanted, int client_height, int tree_min, int preview_min, int splitter);

}  // namespace tq::app
