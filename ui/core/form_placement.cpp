#include "ui/core/form_placement.h"

namespace tq::ui::core {
namespace {

// The stored rectangle over the current one, value by value.
Rect StoredRect(const StoredPlacement& stored, const RestoreContext& form) {
  Rect r;
  r.left = stored.left.value_or(form.current.left);
  r.top = stored.top.value_or(form.current.top);
  if (form.save_size) {
    r.right = stored.right.value_or(form.current.right);
    r.bottom = stored.bottom.value_or(form.current.bottom);
  } else {
    r.right = r.left + form.current.width();
    r.bottom = r.top + form.current.height();
  }
  return r;
}

// Hand-edited or damaged values can give a rectangle turned inside out, which
// would make the window vanish.
bool HasArea(const Rect& r) { return r.right > r.left && r.bottom > r.top; }

}  // namespace

Placement RestorePlacement(const StoredPlacement& stored, const RestoreContext& form, const Rect& work_area) {
  Placement p{StoredRect(stored, form), stored.maximized.value_or(form.currently_maximized)};
  Rect& r = p.bounds;
  if (!HasArea(r) || r.left > work_area.width() - 10 || r.top > work_area.height() - 10 ||
      r.right < work_area.left + 10 || r.bottom < work_area.top + 10) {
    r = form.current;
    return p;
  }
  if (r.left < work_area.left) {
    int width = r.width();
    r.left = work_area.left + 5;
    r.right = r.left + width;
  }
  if (r.top < work_area.top) {
    int height = r.height();
    r.top = work_area.top + 5;
    r.bottom = r.top + height;
  }
  return p;
}

Placement RestoreIniPlacement(const StoredPlacement& stored, const RestoreContext& form, const Size& screen) {
  Placement p{StoredRect(stored, form), stored.maximized.value_or(form.currently_maximized)};
  Rect& r = p.bounds;
  if (!HasArea(r)) {
    r = form.current;
    return p;
  }
  if (r.right > screen.width) {
    r.left -= r.right - screen.width;
    r.right = screen.width;
  }
  if (r.bottom > screen.height) {
    r.top -= r.bottom - screen.height;
    r.bottom = screen.height;
  }
  return p;
}

TrackSizes ApplySizeLimits(TrackSizes computed, const Size& max_size, const Size& min_size) {
  if (max_size.width != 0) computed.max_track.width = max_size.width;
  if (max_size.height != 0) computed.max_track.height = max_size.height;
  if (min_size.width != 0) computed.min_track.width = min_size.width;
  if (min_size.height != 0) computed.min_track.height = min_size.height;
  return computed;
}

}  // namespace tq::ui::core
