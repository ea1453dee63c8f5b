// TConfigForm: the "Configuration" dialog with the three global hotkeys, six
// options and whether the program starts with Windows, and a page for
// pasting: keeping the user's clipboard and the paste method per program. It only shows and
// edits values; the main window unregisters and registers the hotkeys and
// saves the settings around it.
#pragma once

#include <windows.h>

#include <vector>

#include "app/core/config_values.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/hotkey_box.h"
#include "ui/label.h"
#include "ui/row_list_view.h"
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
  // The "Pasting" page.
  ui::CheckBox RestoreClipboardCheck;
  ui::Label PasteMethodsLabel, PasteProgramLabel, PasteMethodLabel;
  ui::RowListView PasteMethodsList;  // the user's rules, then the built-in ones
  ui::Edit PasteProgramEdit;
  ui::ComboBox PasteMethodCombo;
  ui::CheckBox PlainOnlyCheck;  // the rule being set gives rich replies as plain text
  ui::Button SetPasteMethodBtn, RemovePasteMethodBtn;

  // Rows of PasteMethodsList: a user rule's row carries its index, a
  // built-in one kBuiltInRow.
  static constexpr LPARAM kBuiltInRow = -1;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void CreatePastingPage(ui::Panel& page, const ConfigValues& values);
  void FillPasteMethods(int selectUserRule = -1);
  void PasteMethodSelected(int row);
  void SetPasteMethodClick();
  void RemovePasteMethodClick();

  bool focusPlaced_ = false;  // the first activation puts the focus in MainHotKey
  std::vector<PasteMethodRule> pasteMethods_;  // the user's, as edited
};

}  // namespace tq::app
