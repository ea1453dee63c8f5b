// TReadmeForm: "Important Information", a sizable window that shows one of
// the documents that come with the program in a read-only rich text viewer.
#pragma once

#include <windows.h>

#include <string>

#include "app/about/escape_closes_form.h"
#include "ui/rich_edit_viewer.h"

namespace tq::app {

class TReadmeForm : public EscapeClosesForm {
 public:
  // Creates the (hidden) window centred on `owner`.
  explicit TReadmeForm(HWND owner);
  ~TReadmeForm() override;

  // Shows the file's contents as rich text (plain text when it is not RTF).
  // Throws std::runtime_error, with a message for the user, when the file
  // cannot be read.
  void LoadFile(const std::string& path);

  ui::TRichEditViewer ViewRichEdit;
};

}  // namespace tq::app
