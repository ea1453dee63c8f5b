// Edit: a single- or multi-line plain text box. onChange follows every change
// of its text, by the user or by code.
#pragma once

#include <functional>
#include <string_view>

#include "ui/control.h"

namespace tq::ui {

struct EditOptions {
  bool multiLine = false;
  bool wordWrap = true;  // multi-line only; off scrolls horizontally
  bool readOnly = false;
  bool vScroll = false;
  bool password = false;
  bool border = true;
  int id = 0;
};

class Edit : public Control {
 public:
  void Create(Wnd& parent, const Rect& bounds, const EditOptions& options = {});

  std::function<void()> onChange;

  void SetReadOnly(bool readOnly);
  void SetMaxLength(int chars);  // 0: no limit
  void SelectAll();
  void SetSelection(int start, int end);
  // Start and end of the selection, in UTF-16 units (as the control counts).
  std::pair<int, int> Selection() const;
  void ReplaceSelection(std::string_view text);  // UTF-8
  // False when the copy did not reach the clipboard (another program kept it
  // open): the clipboard still holds what it held before.
  bool CopyToClipboard();
  int LineCount() const;

 protected:
  bool OnCommandReflected(int code) override;
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
};

}  // namespace tq::ui
