// TMainForm: the program's main window, owned by the hidden application
// window. This first cut has the window itself, its File menu and the
// first-use panel; the reply tree, the tray icon, the settings and the
// single-instance hand-over join it with their own parts of the program.
#pragma once

#include <string>

#include "ui/application.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/panel.h"

namespace tq::app {

class TMainForm : public ui::Form {
 public:
  // Creates the window and runs FormCreate, which shows it.
  explicit TMainForm(ui::Application& application);
  ~TMainForm() override;

  // The text of the first-use panel, which names the title twice.
  static std::string FirstUseText(const std::string& title);

 protected:
  bool OnCreate() override;
  void OnDestroy() override;
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void FormCreate();
  void ExitMIClick();

  ui::Application& application_;
  ui::Menu MainMenuBar{ui::Menu::Kind::Bar};
  ui::Panel FirstUsePanel;
  ui::Label FirstUseLabel;
};

}  // namespace tq::app
