// LinkLabel: one line of text that acts as a link, in blue, bold, underlined
// text with a hand cursor; a click raises onClick. It is a tab stop: with
// the keyboard focus it shows a focus rectangle around its text, and Enter
// or Space raise onClick as a click does.
#pragma once

#include <functional>
#include <string_view>

#include "ui/control.h"
#include "ui/handles.h"

namespace tq::ui {

class LinkLabel : public Control {
 public:
  void Create(Wnd& parent, const Rect& bounds, std::string_view text);

  std::function<void()> onClick;

 protected:
  bool OnCommandReflected(int code) override;
  std::optional<LRESULT> OnCtlColorReflected(HDC dc) override;
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void DrawFocus();

  UniqueFont font_;
};

}  // namespace tq::ui
