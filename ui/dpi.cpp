#include "ui/dpi.h"

#include <cstdint>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tq::ui {

int ScaleForDpi(int pixels, int dpi) {
  if (dpi == kDesignDpi) return pixels;
  const std::int64_t product = static_cast<std::int64_t>(pixels) * dpi;
  const std::int64_t half = kDesignDpi / 2;
  const std::int64_t rounded = product >= 0 ? (product + half) / kDesignDpi : -((-product + half) / kDesignDpi);
  return static_cast<int>(rounded);
}

Rect ScaleForDpi(const Rect& r, int dpi) {
  const int x = ScaleForDpi(r.x, dpi);
  const int y = ScaleForDpi(r.y, dpi);
  return {x, y, ScaleForDpi(r.right(), dpi) - x, ScaleForDpi(r.bottom(), dpi) - y};
}

#ifdef _WIN32
int ScreenDpi() {
  HDC dc = GetDC(nullptr);
  if (!dc) return kDesignDpi;
  const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
  ReleaseDC(nullptr, dc);
  return dpi > 0 ? dpi : kDesignDpi;
}
#endif

}  // namespace tq::ui
