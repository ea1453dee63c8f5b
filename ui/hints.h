// Hints: the tooltip window that shows a short help text over a control
// while the mouse rests on it.
#pragma once

#include <windows.h>

#include <string_view>

#include "ui/wnd.h"

namespace tq::ui {

class Hints {
 public:
  Hints() = default;
  ~Hints();
  Hints(const Hints&) = delete;
  Hints& operator=(const Hints&) = delete;

  // Adds a hint for a control of `owner` (the tooltip is made on first use).
  void Add(Wnd& owner, Wnd& control, std::string_view text);

 private:
  HWND tip_ = nullptr;
};

}  // namespace tq::ui
