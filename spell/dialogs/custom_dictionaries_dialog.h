// TCustomDictionariesDialog: the "Dictionaries" dialog. It lists the custom
// dictionaries and the Microsoft Word custom dictionaries with a check box
// each (checked: in use), renames a dictionary in place, creates and
// deletes dictionaries and opens the edit dialog. Each change reaches the
// configuration and the files at once.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "spell/dialogs/configuration_dialog_ctrl.h"
#include "spell/dialogs/spelling_form.h"
#include "ui/button.h"
#include "ui/group_box.h"
#include "ui/row_list_view.h"
#include "ui/shell_opener.h"

namespace tq::spell {

// What a row of the list stands for.
struct TListEntry {
  bool checked = true;         // the check last seen
  bool internal = false;       // the words of Ignore All / Change All
  bool wordDictionary = false; // a Microsoft Word custom dictionary
  bool renamable = false;      // a bare file name, so it may be renamed in place
  std::string name;            // as the engine lists it (a path for Word dictionaries)
};

class TCustomDictionariesDialog : public TSpellingForm {
 public:
  explicit TCustomDictionariesDialog(HWND owner);
  ~TCustomDictionariesDialog() override;

  TConfigurationDialogCtrl DialogControl;
  TConfigurationDialogCtrl* ConfigurationDialogCtrl() override { return &DialogControl; }

  ui::GroupBox CustomGroup;
  ui::RowListView CustomDictionaries;
  ui::Button EditButton, DeleteButton, NewButton, HelpButton, OK;

  // Also rebuilds the list after New and Delete.
  void DialogControlConfigurationAvailable();
  // Selects and focuses the row with this caption (letter case aside, as
  // file names go); false when there is none.
  bool SelectFile(const std::string& caption);
  void CustomDictionariesSelectItem(int row, bool selected);
  bool CustomDictionariesEditing(int row);
  bool CustomDictionariesEdited(int row, const std::optional<std::string>& text);
  void CustomDictionariesChange(int row);
  void NewButtonClick();
  void EditButtonClick();
  void DeleteButtonClick();
  void HelpButtonClick();

  // The entry of a row (none outside the list).
  TListEntry* Entry(int row);
  // Opens a Word dictionary's file in its own program; tests put their own.
  ui::ShellOpener shellOpen = ui::ShellOpen;

 private:
  void AddEntryRow(const std::string& caption, bool checked, TListEntry entry);

  std::vector<std::unique_ptr<TListEntry>> entries_;  // by the row's data
  bool filling_ = false;
};

}  // namespace tq::spell
