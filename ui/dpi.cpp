#include "ui/dpi.h"

#include <iterator>

#ifdef _WIN32
#include "ui/handles.h"
#endif

namespace tq::ui {

Rect ScaleForDpi(const Rect& r, int dpi) {
  const int x = ScaleForDpi(r.x, dpi);
  const int y = ScaleForDpi(r.y, dpi);
  return {x, y, ScaleForDpi(r.right(), dpi) - x, ScaleForDpi(r.bottom(), dpi) - y};
}

#ifdef _WIN32
int ScreenDpi() {
  HDC dc = GetDC(nullptr);
  if (!dc) return kDesignDpi;
  const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(nullptr, dc);
  return dpi > 0 ? dpi : kDesignDpi;
}

core::FontMeasure MeasureFont(HFONT font) {
  core::FontMeasure measure;
  const WindowDc screen(nullptr);
  HDC dc = screen.get();
  if (!dc) return measure;
  const SelectedObject selected(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  TEXTMETRICW tm{};
  SIZE letters{};
  static constexpr wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  if (GetTextMetricsW(dc, &tm) && GetTextExtentPoint32W(dc, kLetters, std::size(kLetters) - 1, &letters)) {
    measure.cellHeight = tm.tmHeight;
    measure.lettersWidth = letters.cx;
  }
  return measure;
}

int LayoutDpiFor(HFONT font) { return core::LayoutDpi(ScreenDpi(), MeasureFont(font)); }
#endif

}  // namespace tq::ui
