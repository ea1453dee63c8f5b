// Rectangles of the toolkit: a position and a size in pixels, the way the
// program's layouts are written down. Portable, so layout arithmetic can be
// tested without a window.
#pragma once

namespace tq::ui {

struct Rect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  int right() const { return x + width; }
  int bottom() const { return y + height; }
  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace tq::ui
