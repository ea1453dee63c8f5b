#include "ui/styled_font.h"

namespace tq::ui {

UniqueFont StyledFont(HFONT base, FontStyle style) {
  LOGFONTW lf{};
  if (!GetObjectW(base ? base : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), sizeof lf, &lf)) return {};
  if (style.bold) lf.lfWeight = FW_BOLD;
  if (style.underline) lf.lfUnderline = TRUE;
  return UniqueFont(CreateFontIndirectW(&lf));
}

}  // namespace tq::ui
