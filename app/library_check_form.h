// TLibraryCheckForm: the window of "Check Spelling of All Replies". It shows
// the reply being checked in a rich edit box, where the spell-check dialog
// makes its corrections and the user sees each word in its place.
#pragma once

#include <windows.h>

#include <string>

#include "ui/form.h"
#include "ui/rich_edit.h"

namespace tq::app {

class TLibraryCheckForm : public ui::Form {
 public:
  explicit TLibraryCheckForm(HWND owner);
  ~TLibraryCheckForm() override;

  // Loads a stored reply text (rich or plain) and names the reply in the title.
  void ShowReply(const std::string& response, const std::string& caption);

  ui::RichEdit ReplyText;
};

}  // namespace tq::app
