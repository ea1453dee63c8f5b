// Start-up routine of Tavrin Quillet: the one-instance check (a second start
// hands its file to the first and ends), the application window with the
// title, the main window (whose FormCreate does the rest), then the message
// loop until the main window goes. An error that escapes to here is shown in
// the standard error box.
#include <windows.h>

#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "app/core/app_identity.h"
#include "app/main_form.h"
#include "app/single_instance.h"
#include "platform/command_line.h"
#include "platform/key_store.h"
#include "platform/utf16.h"
#include "ui/application.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  const std::string title(tq::app::ApplicationTitle);
  try {
    // From the wide command line: a path with any character arrives whole.
    std::optional<std::string> argument;
    const std::vector<std::string> arguments = tq::platform::Utf8Arguments(__argc, __argv);
    if (!arguments.empty()) argument = arguments.front();
    tq::app::SingleInstance instance(title);
    if (instance.OtherInstanceRuns()) {
      // This instance has no application window yet, so the search for the
      // title can only find the first one.
      tq::app::HandOverToFirstInstance(title, argument);
      return 0;
    }
    tq::ui::Application application(title);
    tq::app::TMainForm mainForm(application, tq::platform::DefaultKeyStore(), argument);
    return application.Run();
  } catch (const std::exception& e) {
    MessageBoxW(nullptr, tq::platform::Wide(e.what()).c_str(), tq::platform::Wide(title).c_str(), MB_OK | MB_ICONERROR);
  } catch (...) {
    MessageBoxW(nullptr, L"Unknown error", tq::platform::Wide(title).c_str(), MB_OK | MB_ICONERROR);
  }
  return 1;
}
