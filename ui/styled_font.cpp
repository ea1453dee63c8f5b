#include "ui/styled_font.h"

namespace tq::ui {

UniqueFont StyledFont(HFONT base, FontStyle style) {
  LOGFONTA lf{};
  if (!GetObjectA(base ? base : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), sizeof lf, &lf)) return {};
  if (style.bold) lf.lfWeight = FW_BOLD;
  if (style.underline) lf.lfUnderline = TRUE;
  return UniqueFont(CreateFontIndirectA(&lf));
}

}  // namespace tq::ui
