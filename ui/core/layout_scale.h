// How layout pixels, written for the 8-point dialog font on a 96-dpi screen,
// become the pixels of the screen the program runs on: by the larger of the
// screen's DPI and the dialog font's measured size, so that text fits its
// controls when the font grows faster than the DPI (font hinting, a larger
// font chosen by the user) and pictures and gaps keep their proportions.
// Pure arithmetic; the measuring itself is the toolkit's (ui/dpi).
#pragma once

namespace tq::ui::core {

inline constexpr int kDesignDpi = 96;

// What a font measures on the screen: its cell height (tmHeight) and the
// width of the 52 letters "A".."Z" "a".."z" set in a row, the measure
// dialog units are made from.
struct FontMeasure {
  int cellHeight = 0;
  int lettersWidth = 0;
};

// The dialog font the layouts were drawn with, at 96 dpi (8-point Tahoma,
// the system's "MS Shell Dlg").
inline constexpr FontMeasure kDesignFont{13, 359};

// pixels * dpi / 96, rounded half away from zero (as MulDiv rounds), so that
// a layout scales the same way on every screen and back.
int ScaleForDpi(int pixels, int dpi);

// The DPI to scale layout pixels with: the screen's, raised to what the font
// measures against kDesignFont in either direction. A font that could not be
// measured (a zero measure) leaves the screen's DPI.
int LayoutDpi(int screenDpi, FontMeasure font);

}  // namespace tq::ui::core
