// Label: static text, word-wrapped or on one line; an & marks a mnemonic
// unless noPrefix is set.
#pragma once

#include <string_view>

#include "ui/control.h"

namespace tq::ui {

struct LabelOptions {
  bool wordWrap = true;
  bool noPrefix = false;
  bool alignRight = false;
  bool center = false;
};

class Label : public Control {
 public:
  void Create(Wnd& parent, const Rect& bounds, std::string_view text, const LabelOptions& options = {});
};

}  // namespace tq::ui
