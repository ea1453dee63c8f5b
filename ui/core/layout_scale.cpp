#include "ui/core/layout_scale.h"

#include <algorithm>
#include <cstdint>

namespace tq::ui::core {
namespace {

// a * b / c rounded half away from zero; c > 0.
int MulDivRounded(int a, int b, int c) {
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const std::int64_t half = c / 2;
  return static_cast<int>(product >= 0 ? (product + half) / c : -((-product + half) / c));
}

}  // namespace

int ScaleForDpi(int pixels, int dpi) {
  if (dpi == kDesignDpi) return pixels;
  return MulDivRounded(pixels, dpi, kDesignDpi);
}

int LayoutDpi(int screenDpi, FontMeasure font) {
  int dpi = screenDpi > 0 ? screenDpi : kDesignDpi;
  if (font.cellHeight > 0) dpi = std::max(dpi, MulDivRounded(kDesignDpi, font.cellHeight, kDesignFont.cellHeight));
  if (font.lettersWidth > 0)
    dpi = std::max(dpi, MulDivRounded(kDesignDpi, font.lettersWidth, kDesignFont.lettersWidth));
  return dpi;
}

}  // namespace tq::ui::core
