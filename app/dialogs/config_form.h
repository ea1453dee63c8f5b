// TConfigForm: the "Configuration" dialog with the three global hotkeys, six
// options and whether the program starts with Windows. It only shows and
// edits values; the main window unregisters and registers the hotkeys and
// saves the settings around it.
#pragma once

#include <windows.h>

#include "app/core/config_values.h"
#include "ui/button.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/hotkey_box.h"
#include "ui/label.h"
#include "ui/tab_control.h"

namespace tq::app {

class TConfigForm : public ui::Form {
 public:
  // Creates the (hidden) dialog centred on `owner`, filled from `values`;
  // ShowModal shows it with the focus in the main hotkey box.
  TConfigForm(HWND owner, const ConfigValues& values);
  ~TConfigForm() override;

  // The values as the dialog shows them now.
  ConfigValues Values() const;

  // (Implementation-defined members follow.)

  // The controls, for tests that drive the dialog.
  ui::TabControl PageControl;
  ui::Label MainHotKeyLabel, MenuHotKeyLabel, SearchHotKeyLabel, HotKeyHelpLabel;
  ui::HotKeyBox MainHotKey, MenuHotKey, SearchHotKey;
  ui::CheckBox StartWithWindowsCheck;
  ui::GroupBox FormattingGroup, ViewGroup, SpellingGroup;
  ui::CheckBox SaveFormatCheck, DefaultWithFormatCheck, HideAfterInsertCheck, ShowHotkeyInTreeCheck,
      AutoExpandTreeCheck, LiveSpellingCheck;
  ui::Button OkBtn, CancelBtn, HelpBtn;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  bool focusPlaced_ = false;  // the first activation puts the focus in MainHotKey
};

}  // namespace tq::app
