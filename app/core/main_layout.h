// The main window's layout limits: the room its button columns need, and the
// height the tree pane may take so that both panes keep their buttons.
// Constants are layout pixels (96 dpi); the functions taking a `dpi` answer
// in screen pixels for that layout DPI (see ui/core/layout_scale.h).
#pragma once

#include <optional>

namespace tq::app {

inline constexpr int kMainButtonColumnWidth = 78;
inline constexpr int kMainSplitterHeight = 4;
// Buttons of a column: 70 by 24 pixels, 4 from the column's left edge, 28
// apart from 4 below the column's top.
inline constexpr int kMainButtonLeft = 4;
inline constexpr int kMainButtonWidth = 70;
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

// Screen pixels at `dpi`: the smallest heights of the tree pane and of the
// preview pane that show their buttons whole, and the splitter between them.
int MainTreePaneMinimum(int dpi);
int MainPreviewPaneMinimum(int dpi);
int MainSplitterHeight(int dpi);

// The smallest client area, in screen pixels, that shows every button of
// both panes whole: the two panes' minimums and the splitter.
MainClientSize MainMinimumClient(int dpi);

// The tree pane's height before the window is laid out: a stored height as
// it is (screen pixels), else the default (kDefaultSplit) scaled for the
// screen.
int InitialTreePaneHeight(std::optional<int> stored, int dpi);

// The tree pane's height for a wish (the splitter's or the stored one) in a
// client area `client_height` high: never below `tree_min` (its buttons), and
// leaving the splitter and `preview_min` (the preview pane's buttons) below
// it; the tree pane wins when the area is too small for both. All in the
// same pixels.
int FitTreePaneHeight(int wanted, int client_height, int tree_min, int preview_min, int splitter);

}  // namespace tq::app
