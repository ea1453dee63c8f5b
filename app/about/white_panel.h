// WhitePanel: a container painted white, on which plain labels are drawn
// white too (the About dialog's title panel). Controls that colour
// themselves, such as the link label, still do.
#pragma once

#include "ui/control.h"

namespace tq::app {

class WhitePanel : public ui::Control {
 public:
  void Create(ui::Wnd& parent, const ui::Rect& bounds);

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
};

}  // namespace tq::app
