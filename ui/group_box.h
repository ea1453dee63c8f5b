// GroupBox: the framed caption that groups related controls. It lies below
// its siblings, so the controls placed inside its frame stay visible.
#pragma once

#include <string_view>

#include "ui/control.h"

namespace tq::ui {

class GroupBox : public Control {
 public:
  void Create(Wnd& parent, const Rect& bounds, std::string_view caption);
};

}  // namespace tq::ui
