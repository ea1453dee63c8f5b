#include "app/about/splash_form.h"

#include <string>

#include "app/about/program_version.h"
#include "app/core/version_text.h"
#include "app/resources/picture_ids.h"
#include "platform/utf16.h"
#include "ui/dpi.h"
#include "ui/handles.h"
#include "ui/window_place.h"

namespace tq::app {
namespace {

constexpr UINT kShowTimeMs = 2000;

// The build line, black, 14 pixels high, 210 pixels from the left and 10
// above the bottom edge (layout pixels of the picture, scaled with it); the
// picture leaves that corner free for it.
void DrawBuildLine(HDC dc, Size size, int dpi, const std::string& text) {
  auto scale = [dpi](int pixels) { return ui::ScaleForDpi(pixels, dpi); };
  ui::UniqueFont font(CreateFontW(-scale(14), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                                  L"Tahoma"));
  const ui::SelectedObject selected(dc, font.get());
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkMode(dc, TRANSPARENT);
  RECT r{scale(210), size.height - scale(10) - scale(14), size.width, size.height - scale(10)};
  const std::wstring wide = platform::Wide(text);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r, DT_LEFT | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace

TSplashForm::TSplashForm(HWND owner) {
  Create({.caption = "", .style = WS_POPUP, .exStyle = WS_EX_TOOLWINDOW, .owner = owner});
  SplashImage.Create(*this, 0, 0);
  Timer.onTimer = [this] { TimerTimer(); };
}

TSplashForm::~TSplashForm() = default;

LRESULT TSplashForm::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SHOWWINDOW && wp && lp == 0) FormShow();
  return Form::WndProc(msg, wp, lp);
}

void TSplashForm::FormShow() {
  if (SplashImage.Load(TQ_SPLASH_PICTURE)) {
    SplashImage.ScaleFor(Dpi());
    if (const auto version = ProgramFileVersion()) {
      const std::string line = BuildLineText(*version);
      SplashImage.Draw([&](HDC dc, Size size) { DrawBuildLine(dc, size, Dpi(), line); });
    }
  }
  const Size size = SplashImage.PictureSize();
  ui::SetClientSizeCentred(*this, size.width, size.height, nullptr);
  Timer.Start(kShowTimeMs);
}

void TSplashForm::TimerTimer() {
  Timer.Stop();
  SetModalResult(1);
}

}  // namespace tq::app
