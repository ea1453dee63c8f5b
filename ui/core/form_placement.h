// The arithmetic of TFormEnhance's window placement: where a saved placement
// puts the form when it is restored, kept on the screen, and how the size
// limits MaxSize and MinSize override the tracking sizes Windows computes.
// Pure functions over rectangles in screen pixels.
#pragma once

#include <optional>

namespace tq::ui::core {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

struct Size {
  int width = 0, height = 0;
  bool operator==(const Size&) const = default;
};

// The form's normal (restored) rectangle and whether it is maximized.
struct Placement {
  Rect bounds;
  bool maximized = false;
  bool operator==(const Placement&) const = default;
};

// What was read back; none for a value that is missing or not an integer.
struct StoredPlacement {
  std::optional<int> left, top, right, bottom;
  std::optional<bool> maximized;
};

// The form as it is before restoring, and what it is restored onto.
struct RestoreContext {
  Rect current;  // the form's bounds now
  bool currently_maximized = false;
  bool save_size = false;  // SaveSize: restore Right and Bottom too
};

// Registry variant. Missing values default to the current ones; without
// save_size the current width and height move to the stored position. A
// rectangle that would lie beyond the work area (left > its width - 10,
// top > its height - 10, right < its left + 10, bottom < its top + 10), or
// that has no area, is not used and the form keeps its bounds; otherwise one
// that starts left of or above the work area moves in to 5 pixels inside it,
// keeping its size. Maximized comes through in every case.
Placement RestorePlacement(const StoredPlacement& stored, const RestoreContext& form, const Rect& work_area);

// INI variant: a rectangle reaching past the screen's right or bottom edge
// moves left or up by the excess; one without area is not used.
Placement RestoreIniPlacement(const StoredPlacement& stored, const RestoreContext& form, const Size& screen);

// WM_GETMINMAXINFO: each non-zero width or height of max_size and min_size
// replaces the tracking size Windows computed.
struct TrackSizes {
  Size max_track;
  Size min_track;
  bool operator==(const TrackSizes&) const = default;
};
TrackSizes ApplySizeLimits(TrackSizes computed, const Size& max_size, const Size& min_size);

}  // namespace tq::ui::core
