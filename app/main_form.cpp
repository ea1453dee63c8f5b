#include "app/main_form.h"

#include "app/core/app_identity.h"

namespace tq::app {
namespace {

constexpr int kInitialWidth = 463;
constexpr int kInitialHeight = 427;
constexpr int kMinWidth = 200;

}  // namespace

std::string TMainForm::FirstUseText(const std::string& title) {
  return "This appears to be your first time using " + title +
         ". You can now specify program options, including a hotkey to activate " + title +
         " from the system tray. Specify options below in the order shown.";
}

TMainForm::TMainForm(ui::Application& application) : application_(application) {
  ui::Menu& file = MainMenuBar.AddSubmenu("&File");
  file.AddItem("E&xit", [this] { ExitMIClick(); });
  SetMenu(&MainMenuBar);
  // A sizable tool window with only a system menu, placed by Windows.
  Create({.caption = std::string(ApplicationTitle),
          .width = kInitialWidth,
          .height = kInitialHeight,
          .style = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN,
          .exStyle = WS_EX_TOOLWINDOW,
          .owner = application_.Handle()});
  FormCreate();
}

TMainForm::~TMainForm() {
  // The window goes first, while the menu and the controls still exist.
  Destroy();
}

bool TMainForm::OnCreate() {
  FirstUsePanel.Create(*this, {0, 0, kInitialWidth, kInitialHeight});
  FirstUsePanel.SetAlign(ui::Align::Client);
  FirstUseLabel.Create(FirstUsePanel, {16, 16, 420, 56}, "");
  return true;
}

void TMainForm::FormCreate() {
  const std::string title(ApplicationTitle);
  application_.SetTitle(title);
  // One space after the title: a search for the title finds the application
  // window, never this one.
  SetText(title + " ");
  FirstUseLabel.SetText(FirstUseText(title));
  // No library file is open yet, so the first-use panel shows.
  Show();
}

void TMainForm::ExitMIClick() { Close(); }

void TMainForm::OnDestroy() {
  // Closing the main window ends the program.
  ui::Application::Terminate(0);
}

LRESULT TMainForm::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_GETMINMAXINFO) {
    reinterpret_cast<MINMAXINFO*>(lp)->ptMinTrackSize.x = Scale(kMinWidth);
    return 0;
  }
  return Form::WndProc(msg, wp, lp);
}

}  // namespace tq::app
