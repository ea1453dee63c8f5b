#include "ui/align.h"

#include <algorithm>

namespace tq::ui {

std::vector<Rect> AlignRects(const Rect& client, std::span<const AlignItem> items) {
  std::vector<Rect> out;
  out.reserve(items.size());
  for (const auto& item : items) out.push_back(item.bounds);

  // The area still free, as edges so that a full parent cannot go negative.
  int left = client.x, top = client.y, right = client.right(), bottom = client.bottom();
  auto width = [&] { return std::max(0, right - left); };
  auto height = [&] { return std::max(0, bottom - top); };

  for (Align pass : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client}) {
    for (size_t i = 0; i < items.size(); ++i) {
      const AlignItem& item = items[i];
      if (item.align != pass || !item.visible) continue;
      Rect& r = out[i];
      switch (pass) {
        case Align::Top: {
          const int h = std::clamp(item.bounds.height, 0, height());
          r = {left, top, width(), h};
          top += h;
          break;
        }
        case Align::Bottom: {
          const int h = std::clamp(item.bounds.height, 0, height());
          r = {left, bottom - h, width(), h};
          bottom -= h;
          break;
        }
        case Align::Left: {
          const int w = std::clamp(item.bounds.width, 0, width());
          r = {left, top, w, height()};
          left += w;
          break;
        }
        case Align::Right: {
          const int w = std::clamp(item.bounds.width, 0, width());
          r = {right - w, top, w, height()};
          right -= w;
          break;
        }
        case Align::Client:
          r = {left, top, width(), height()};
          break;
        case Align::None:
          break;
      }
    }
  }
  return out;
}

}  // namespace tq::ui
