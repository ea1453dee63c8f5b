// TReadmeForm: "Important Information", a sizable window that shows one of
// the documents that come with the program in a read-only rich text viewer.
#pragma once

#include <windows.h>

#include <string>

#include "ui/form.h"
#include "ui/rich_edit_viewer.h"

namespace tq::app {

class TReadmeForm : public ui::Form {
 public:
  // Creates the (hidden) window centred on `owner`.
  explicit TReadmeForm(HWND owner);
  ~TReadmeForm() override;

  // Shows the file's contents as rich text (plain text when it is not RTF).
  // Throws std::runtime_error, with a message for the user, when the file
  // cannot be read.
  void LoadFile(const std::string& path);

  ui::TRichEditViewer ViewRichEdit;

 protected:
  bool OnCommand(int id, int code, HWND control) override;
};

}  // namespace tq::app
