// TURLLabel: a one-line text label that looks like a link (underlined, blue,
// hand pointer), changes colour under the pointer and while a button is held
// on it, and opens its URL when a button pressed on it is released over it.
// Pressing on it, moving off and releasing opens nothing.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "ui/control.h"
#include "ui/handles.h"
#include "ui/shell_opener.h"

namespace tq::ui {

struct URLLabelOptions {
  bool center = false;  // the text centred in the label's width
  int id = 0;
};

class TURLLabel : public Control {
 public:
  // The caption is the label's text; URL stays empty until set.
  void Create(Wnd& parent, const Rect& bounds, std::string_view caption, const URLLabelOptions& options = {});

  std::string URL;
  COLORREF ColorNormal = RGB(0, 0, 255);
  COLORREF ColorMoveOver = RGB(0, 0, 255);
  COLORREF ColorClick = RGB(255, 0, 0);

  // The ordinary click of a label: the left button pressed and released on it.
  std::function<void()> onClick;
  // Opens the URL (owner form, URL, show command); the desktop's handler
  // unless a test puts something else here.
  ShellOpener openURL = &ShellOpen;

  // What the label shows now.
  COLORREF TextColor() const { return color_; }
  bool Pressed() const { return pressed_; }
  // The width the caption needs in the label's font, in device pixels.
  int TextWidth() const;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
  bool OnCommandReflected(int code) override;
  std::optional<LRESULT> OnCtlColorReflected(HDC dc) override;

 private:
  void SetColor(COLORREF color);
  void ButtonDown();
  void ButtonUp(int x, int y, bool leftButton);
  void MouseMove(int x, int y);
  void MouseEnter();
  void MouseLeave();
  bool Inside(int x, int y) const;

  UniqueFont font_;
  COLORREF color_ = RGB(0, 0, 255);
  bool pressed_ = false;
  bool hover_ = false;
};

}  // namespace tq::ui
