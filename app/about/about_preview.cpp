// Shows one of the small windows for a look or a screenshot:
//   about_preview splash|reminder|about|document PATH [max]|missing FOLDER
// The document viewer opens PATH; "missing" is the About dialog reading its
// documents from FOLDER, with Readme pressed. The others are shown as the
// program shows them. Ends when the window closes.
#include <windows.h>

#include <string>

#include "app/about/about_form.h"
#include "app/about/about_windows.h"
#include "app/about/readme_form.h"
#include "app/core/app_identity.h"
#include "platform/utf16.h"
#include "ui/application.h"

int main(int argc, char** argv) {
  const std::string what = argc > 1 ? argv[1] : "about";
  tq::ui::Application app(tq::app::ApplicationTitle);
  try {
    if (what == "splash") {
      tq::app::ShowSplash(app.Handle());
    } else if (what == "reminder") {
      return tq::app::ShowTrayReminder(app.Handle()) ? 0 : 1;
    } else if (what == "document" && argc > 2) {
      tq::app::TReadmeForm viewer(app.Handle());
      viewer.LoadFile(argv[2]);
      if (argc > 3) ShowWindow(viewer.Handle(), SW_MAXIMIZE);  // the whole document at a glance
      viewer.ShowModal();
    } else if (what == "missing" && argc > 2) {
      tq::app::TAboutForm about(app.Handle());
      about.documentFolder = argv[2];
      PostMessageW(about.Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                   reinterpret_cast<LPARAM>(about.ReadmeBtn.Handle()));
      about.ShowModal();
    } else {
      tq::app::ShowAbout(app.Handle());
    }
  } catch (const std::exception& e) {
    MessageBoxW(nullptr, tq::platform::Wide(e.what()).c_str(), L"about_preview", MB_OK | MB_ICONERROR);
    return 2;
  }
  return 0;
}
