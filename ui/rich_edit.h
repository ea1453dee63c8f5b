// RichEdit: a rich text box (MSFTEDIT.DLL, else RICHED20.DLL), a wide window.
// Text goes in and out as RTF (bytes) or as plain text (UTF-8 here, UTF-16 in
// the control); plain text is never taken for RTF, even when it starts with
// "{\rtf". Positions are the control's: UTF-16 units. The control holds a use of the shared rich
// edit library while it exists. A read-only rich edit leaves Tab and
// Shift+Tab to its form (read_only_tab.h).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "ui/control.h"
#include "ui/rich_edit_library.h"

namespace tq::ui {

struct RichEditOptions {
  bool readOnly = false;
  bool wordWrap = true;
  bool vScroll = true;
  bool border = true;
  int id = 0;
};

class RichEdit : public Control {
 public:
  ~RichEdit() override;

  void Create(Wnd& parent, const Rect& bounds, const RichEditOptions& options = {});

  std::function<void()> onChange;

  // The class the control was made of: L"RICHEDIT50W" or L"RichEdit20W".
  const wchar_t* ClassName() const { return className_; }

  // Replaces the whole content with RTF. False, with the content unchanged,
  // when the text does not start with "{\rtf"; false too when the control
  // met an error reading it.
  bool SetRtf(std::string_view rtf);
  std::string Rtf() const;
  // Replaces the whole content with this plain text, taken literally.
  void SetPlainText(std::string_view text);
  // The content as plain text with CR LF line breaks.
  std::string PlainText() const;

  void SetReadOnly(bool readOnly);
  void SetWordWrap(bool wrap);
  bool WordWrap() const { return wordWrap_; }
  void SelectAll();
  void CollapseSelection();  // to the start of the selection
  // Start and end of the selection, in UTF-16 units.
  std::pair<int, int> Selection() const;
  // False when the copy did not reach the clipboard (another program kept it
  // open): the clipboard still holds what it held before.
  bool CopyToClipboard();
  void Paste();
  int LineCount() const;
  // One line as the control shows it (a paragraph when word wrap is off).
  std::string Line(int index) const;

 protected:
  bool OnCommandReflected(int code) override;
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  RichEditLibrary::Use library_;
  const wchar_t* className_ = L"";
  bool wordWrap_ = true;
};

}  // namespace tq::ui
