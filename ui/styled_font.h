// StyledFont: a font made from another one, bold or underlined, for labels
// that stand out from their parent's text (links, titles).
#pragma once

#include <windows.h>

#include "ui/handles.h"

namespace tq::ui {

struct FontStyle {
  bool bold = false;
  bool underline = false;
};

// A new font like `base` (the default GUI font when null) with the style's
// changes; empty when it cannot be made.
UniqueFont StyledFont(HFONT base, FontStyle style);

}  // namespace tq::ui
