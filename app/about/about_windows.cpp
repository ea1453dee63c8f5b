#include "app/about/about_windows.h"

#include "app/about/about_form.h"
#include "app/about/splash_form.h"
#include "app/about/tray_reminder_form.h"

namespace tq::app {

void ShowSplash(HWND owner) {
  TSplashForm splash(owner);
  splash.ShowModal();
}

bool ShowTrayReminder(HWND owner) {
  TTrayReminderForm reminder(owner);
  reminder.ShowModal();
  return reminder.ShowCheck.Checked();
}

void ShowAbout(HWND owner) {
  TAboutForm about(owner);
  about.ShowModal();
}

}  // namespace tq::app
