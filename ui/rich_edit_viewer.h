// TRichEditViewer: a multi-line text box that shows formatted (RTF) text
// through the system's rich edit control and opens the web addresses it
// finds in the text when one is pressed with the left button. With
// UseRichEdit off it is a plain multi-line edit. Each viewer holds one use of
// the shared rich edit library (rich_edit_library.h) while it has a rich
// window, so the library stays loaded exactly as long as some viewer needs it.
// A read-only viewer leaves Tab and Shift+Tab to its form (read_only_tab.h).
#pragma once

#include <string>
#include <string_view>

#include "ui/control.h"
#include "ui/rich_edit_library.h"
#include "ui/shell_opener.h"

namespace tq::ui {

struct RichEditViewerOptions {
  bool readOnly = true;
  bool vScroll = true;
  bool hScroll = false;
  bool border = true;
  int id = 0;
};

class TRichEditViewer : public Control {
 public:
  ~TRichEditViewer() override;

  // Creates the window: a rich edit control while UseRichEdit is on (the
  // default), else a plain multi-line edit. Throws when no rich edit library
  // can be loaded.
  void Create(Wnd& parent, const Rect& bounds, const RichEditViewerOptions& options = {});

  bool UseRichEdit() const { return useRichEdit_; }
  // Stores the choice and, when the window exists, makes it again with the
  // same place, options and text; switching off gives the library use back.
  void SetUseRichEdit(bool use);
  // True while this viewer holds a use of the rich edit library.
  bool HoldsLibrary() const { return static_cast<bool>(library_); }

  // Shows `text` read as RTF; when the control reports an error reading it,
  // the same text is shown as plain text. Without UseRichEdit the text is
  // simply the control's text.
  void SetRTFText(std::string_view text);
  // The shown text, without formatting.
  std::string PlainText() const { return Text(); }

  // Opens a pressed link (owner window, link text, show command); the
  // desktop's handler unless a test puts something else here.
  ShellOpener openLink = &ShellOpen;

 protected:
  std::optional<LRESULT> OnNotifyReflected(NMHDR* hdr) override;
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void CreateWindowNow();
  std::string LinkText(LONG start, LONG end) const;

  Wnd* host_ = nullptr;  // the parent the window was made in
  Rect bounds_;
  RichEditViewerOptions options_;
  bool useRichEdit_ = true;
  RichEditLibrary::Use library_;
};

}  // namespace tq::ui
