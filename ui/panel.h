// Panel: a plain container for other controls, optionally with a sunken
// edge. It keeps the font it is given, lays out docked children and passes
// its children's notifications back to them like a form does.
#pragma once

#include "ui/control.h"

namespace tq::ui {

struct PanelOptions {
  bool border = false;
};

class Panel : public Control {
 public:
  void Create(Wnd& parent, const Rect& bounds, const PanelOptions& options = {});
};

}  // namespace tq::ui
