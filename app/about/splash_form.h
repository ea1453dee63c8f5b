// TSplashForm: the picture shown while the program starts, without frame or
// caption, centred on the screen. Its show handler loads the picture, fits
// the window to it and starts a 2-second timer that closes it (result 1).
#pragma once

#include <windows.h>

#include "app/about/picture.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace tq::app {

class TSplashForm : public ui::Form {
 public:
  // Creates the (hidden) window owned by `owner`.
  explicit TSplashForm(HWND owner);
  ~TSplashForm() override;

  Picture SplashImage;
  ui::Timer Timer;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void FormShow();
  void TimerTimer();
};

}  // namespace tq::app
