// Start-up routine of Tavrin Quillet: the application window with the title,
// the main window (whose FormCreate does the rest), then the message loop
// until the main window goes. An error that escapes to here is shown in the
// standard error box.
#include <windows.h>

#include <exception>
#include <string>

#include "app/core/app_identity.h"
#include "app/main_form.h"
#include "ui/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::string title(tq::app::ApplicationTitle);
  try {
    tq::ui::Application application(title);
    tq::app::TMainForm mainForm(application);
    return application.Run();
  } catch (const std::exception& e) {
    MessageBoxA(nullptr, e.what(), title.c_str(), MB_OK | MB_ICONERROR);
  } catch (...) {
    MessageBoxA(nullptr, "Unknown error", title.c_str(), MB_OK | MB_ICONERROR);
  }
  return 1;
}
