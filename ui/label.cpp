#include "ui/label.h"

namespace tq::ui {

void Label::Create(Wnd& parent, const Rect& bounds, std::string_view text, const LabelOptions& options) {
  DWORD style = options.center       ? SS_CENTER
                : options.alignRight ? SS_RIGHT
                                     : (options.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP);
  if (options.noPrefix) style |= SS_NOPREFIX;
  CreateControl(parent, L"STATIC", bounds, text, style);
}

}  // namespace tq::ui
