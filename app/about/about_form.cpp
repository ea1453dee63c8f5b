#include "app/about/about_form.h"

#include <algorithm>
#include <string>

#include "app/about/program_version.h"
#include "app/about/readme_form.h"
#include "app/core/about_layout.h"
#include "app/core/app_identity.h"
#include "app/core/dialog_captions.h"
#include "app/core/version_text.h"
#include "app/resources/picture_ids.h"
#include "platform/system_info.h"
#include "ui/styled_font.h"
#include "ui/window_place.h"

namespace tq::app {
namespace {

constexpr char kProductNotice[] = "Copyright \xC2\xA9 2026 Morvane. All rights reserved.";
constexpr int kLineHeight = 16;

std::string WithScheme(std::string_view address) { return "http://" + std::string(address); }

ui::Rect ToUi(const Rect& r) { return {r.left, r.top, r.width(), r.height()}; }

}  // namespace

TAboutForm::TAboutForm(HWND owner) : documentFolder(platform::ProgramFolder()), owner_(owner) {
  Create({.caption = "About",
          .style = WS_POPUP | WS_CAPTION | WS_SYSMENU,
          .exStyle = WS_EX_DLGMODALFRAME,
          .owner = owner});
  // Final places come from FormShow once the picture's size is known.
  ImagePanel.Create(*this, {0, 0, kAboutClientWidth, 10});
  AboutImage.Create(ImagePanel, 0, 5);
  AboutImage.onClick = [this] { AboutImageClick(); };
  hints_.Add(*this, AboutImage, WithScheme(HomePage));

  TitlePanel.Create(*this, {0, 10, kAboutClientWidth, kAboutTitlePanelHeight});
  const int w = kAboutClientWidth - 16;
  TitleLabel.Create(TitlePanel, {8, 12, w, kLineHeight + 2}, "", {.noPrefix = true, .center = true});
  VersionLabel.Create(TitlePanel, {8, 32, w, kLineHeight}, "", {.noPrefix = true, .center = true});
  NoticeLabel.Create(TitlePanel, {8, 50, w, kLineHeight}, "", {.noPrefix = true, .center = true});
  ProductURLLabel.Create(TitlePanel, {8, 68, w, kLineHeight}, "");

  // Close first: it has the focus when the dialog opens, so Enter closes it.
  CloseBtn.Create(*this, {0, 0, kAboutButtonWidth, kAboutButtonHeight}, AboutCaptions::Close,
                  {.id = IDOK, .isDefault = true, .modalResult = ui::mrOk});
  LicenseBtn.Create(*this, {0, 0, kAboutButtonWidth, kAboutButtonHeight}, AboutCaptions::License);
  ReadmeBtn.Create(*this, {0, 0, kAboutButtonWidth, kAboutButtonHeight}, AboutCaptions::Readme);
  LicenseBtn.onClick = [this] { LicenseBtnClick(); };
  ReadmeBtn.onClick = [this] { ReadmeBtnClick(); };
}

TAboutForm::~TAboutForm() = default;

LRESULT TAboutForm::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SHOWWINDOW && wp && lp == 0) FormShow();
  return Form::WndProc(msg, wp, lp);
}

void TAboutForm::FormShow() {
  // Whatever could not be filled stays as it is: the dialog shows the rest.
  try {
    Fill();
  } catch (...) {
  }
}

void TAboutForm::Fill() {
  AboutImage.Load(TQ_ABOUT_PICTURE);
  const AboutLayout layout = LayoutAbout(AboutImage.PictureSize(), Dpi());
  AboutImage.StretchTo(layout.picture);
  ImagePanel.SetBounds(ToUi(layout.imagePanel));
  AboutImage.SetBounds(ToUi(layout.pictureAt));
  TitlePanel.SetBounds(ToUi(layout.titlePanel));
  LicenseBtn.SetBounds(ToUi(layout.licenseBtn));
  ReadmeBtn.SetBounds(ToUi(layout.readmeBtn));
  CloseBtn.SetBounds(ToUi(layout.closeBtn));
  ui::SetClientSizeCentred(*this, layout.client.width, layout.client.height, owner_);

  const std::string title(ApplicationTitle);
  SetText("About " + title);
  if (!boldFont_) boldFont_ = ui::StyledFont(Font(), {.bold = true});
  if (boldFont_) TitleLabel.SetFont(boldFont_.get());
  TitleLabel.SetText(title);

  VersionLabel.SetText(VersionLineText(ProgramFileVersion()));

  NoticeLabel.SetText(kProductNotice);
  ProductURLLabel.SetText(ProductPage);
  ProductURLLabel.URL = WithScheme(ProductPage);
  // The link is as wide as its text, centred, so the hand shows only over it.
  const ui::Rect link = ProductURLLabel.Bounds();
  const int width = std::min(ProductURLLabel.TextWidth() + 2, layout.client.width);
  ProductURLLabel.SetBounds({(layout.client.width - width) / 2, link.y, width, link.height});
}

void TAboutForm::AboutImageClick() {
  if (openURL) openURL(Handle(), WithScheme(HomePage), SW_SHOWNORMAL);
}

void TAboutForm::OpenDocument(const char* name) {
  TReadmeForm viewer(Handle());
  // A file that cannot be read ends here, in the standard error box.
  viewer.LoadFile(documentFolder + "\\" + name);
  viewer.ShowModal();
}

void TAboutForm::ReadmeBtnClick() { OpenDocument("Readme.RTF"); }
void TAboutForm::LicenseBtnClick() { OpenDocument("License.RTF"); }

}  // namespace tq::app
