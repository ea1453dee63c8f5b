// Picture: a bitmap from the program's resources shown in a static control
// at its natural size or stretched, optionally clickable. It owns the bitmap; a picture
// that cannot be loaded stays empty (0 by 0).
#pragma once

#include <windows.h>

#include <functional>

#include "ui/control.h"
#include "ui/core/form_placement.h"
#include "ui/handles.h"

namespace tq::app {

using ui::core::Rect;
using ui::core::Size;

class Picture : public ui::Control {
 public:
  ~Picture() override;

  // An empty picture at (x, y) in layout pixels.
  void Create(ui::Wnd& parent, int x, int y);
  // Loads bitmap resource `id` of the program; false, leaving the picture
  // empty, when it cannot be loaded.
  bool Load(int id);
  bool Empty() const { return !bitmap_; }
  // The bitmap's size in pixels.
  Size PictureSize() const;
  // Stretches the bitmap to `size` (smoothly), as a picture drawn for
  // 96 dpi is shown on a larger screen. Nothing happens when empty or when
  // it already has that size.
  void StretchTo(Size size);
  // Stretches the bitmap as layout pixels scale at `dpi`.
  void ScaleFor(int dpi);
  // Draws on the bitmap (then shown as drawn). Nothing happens when empty.
  void Draw(const std::function<void(HDC dc, Size size)>& paint);

  std::function<void()> onClick;

 protected:
  bool OnCommandReflected(int code) override;

 private:
  void ShowBitmap();

  ui::UniqueBitmap bitmap_;
};

}  // namespace tq::app
