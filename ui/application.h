// Application: the program's hidden application window and its message loop.
// The window is top-level, never shown, captioned with the application title;
// it owns the main window (so the main window stands directly above it in the
// Z-order), and another instance of the program finds this one through it.
#pragma once

#include <string>
#include <string_view>

#include "ui/wnd.h"

namespace tq::ui {

class Application : public Wnd {
 public:
  explicit Application(std::string_view title);
  ~Application() override;

  std::string Title() const { return Text(); }
  void SetTitle(std::string_view title) { SetText(title); }

  // Runs the message loop until WM_QUIT and returns its exit code.
  int Run();
  // Ends the message loop once the current message has been handled.
  static void Terminate(int exitCode = 0);
};

}  // namespace tq::ui
