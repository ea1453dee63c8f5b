// TAboutForm: "About Tavrin Quillet" with the about picture (a click opens
// the home page), the title, the version line from the program file's
// version resource, the notice and a link to the product page, and buttons
// that show the licence and the read-me in the document viewer.
#pragma once

#include <windows.h>

#include <string>

#include "app/about/escape_closes_form.h"
#include "app/about/picture.h"
#include "app/about/white_panel.h"
#include "ui/button.h"
#include "ui/handles.h"
#include "ui/hints.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/shell_opener.h"
#include "ui/url_label.h"

namespace tq::app {

class TAboutForm : public EscapeClosesForm {
 public:
  // Creates the (hidden) dialog; FormShow fills it when it is shown.
  explicit TAboutForm(HWND owner);
  ~TAboutForm() override;

  // The folder the documents are read from: the program's folder unless a
  // test says otherwise.
  std::string documentFolder;
  // Opens the home page when the picture is clicked (the product page link
  // has its own, ProductURLLabel.openURL).
  ui::ShellOpener openURL = &ui::ShellOpen;

  ui::Panel ImagePanel;
  Picture AboutImage;
  WhitePanel TitlePanel;
  ui::Label TitleLabel;
  ui::Label VersionLabel;
  ui::Label NoticeLabel;
  ui::TURLLabel ProductURLLabel;
  ui::Button CloseBtn;
  ui::Button LicenseBtn;
  ui::Button ReadmeBtn;

  void ReadmeBtnClick();
  void LicenseBtnClick();

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void FormShow();
  void Fill();
  void OpenDocument(const char* name);
  void AboutImageClick();

  HWND owner_;
  ui::Hints hints_;
  ui::UniqueFont boldFont_;
};

}  // namespace tq::app
