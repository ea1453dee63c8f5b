// Splitter: a thin horizontal bar between a top-docked control and what lies
// below it; dragging it changes the height of that control (never below
// minSize, and leaving minSize to the rest of the parent).
#pragma once

#include <functional>

#include "ui/control.h"

namespace tq::ui {

class Splitter : public Control {
 public:
  // `above` is the top-docked control whose height the bar sets.
  void Create(Wnd& parent, Wnd& above, int height = 4);

  int minSize = 30;
  std::function<void(int height)> onMoved;  // the new height, in device pixels

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  Wnd* above_ = nullptr;
  Wnd* parentWnd_ = nullptr;
  int grabY_ = 0;
  bool dragging_ = false;
};

}  // namespace tq::ui
