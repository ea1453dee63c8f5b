// TCustomDictionaryEditDialog: edits one custom dictionary's added words,
// auto-correct pairs and excluded words, each on a tab of its own. Every
// Add and Delete changes the dictionary object at once; a word can be in
// only one of the three lists. For the words of Ignore All / Change All the
// first two tabs read "Ignore All" and "Change All" and there is no third.
#pragma once

#include <windows.h>

#include "spell/dialogs/configuration_dialog_ctrl.h"
#include "spell/dialogs/spelling_form.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/row_list_view.h"
#include "ui/tab_control.h"
#include "ui/timer.h"

namespace tq::spell {

class TCustomDictionaryEditDialog : public TSpellingForm {
 public:
  explicit TCustomDictionaryEditDialog(HWND owner);
  ~TCustomDictionaryEditDialog() override;

  TConfigurationDialogCtrl DialogControl;
  TConfigurationDialogCtrl* ConfigurationDialogCtrl() override { return &DialogControl; }

  ui::TabControl PageControl;
  // The tabs' pages; none once a tab is removed.
  ui::Panel* AddedWordsSheet = nullptr;
  ui::Panel* AutoCorrectWordsSheet = nullptr;
  ui::Panel* ExcludedWordsSheet = nullptr;
  ui::Label AddedWordsExplain, IgnoreEditLabel;
  ui::Edit IgnoreEdit;
  ui::ListBox IgnoreList;
  ui::Button AddIgnoreButton, DeleteIgnoreButton;
  ui::Label AutoCorrectWordsExplain, ReplaceEditLabel, WithEditLabel;
  ui::Edit ReplaceEdit, WithEdit;
  ui::RowListView AutoCorrectList;
  ui::Button AddAutoCorrectButton, DeleteAutoCorrectButton;
  ui::Label ExcludeWordsExplanation, ExcludeEditLabel;
  ui::Edit ExcludeEdit;
  ui::ListBox ExcludeList;
  ui::Button AddExcludeButton, DeleteExcludeButton;
  ui::Button HelpButton, OK;
  ui::Timer Timer;

  void DialogControlConfigurationAvailable();
  void DialogControlCustomDictionaryAvailable();
  void HelpButtonClick();

  void AddedWordsSheetShow();
  void IgnoreEditChange();
  void IgnoreEditKeyDown(UINT key);
  void IgnoreListClick();
  void AddIgnoreButtonClick();
  void DeleteIgnoreButtonClick();

  void AutoCorrectWordsSheetShow();
  void ReplaceEditChange();
  void WithEditChange();
  void AutoCorrectListSelectItem(int row, bool selected);
  void AddAutoCorrectButtonClick();
  void DeleteAutoCorrectButtonClick();
  void TimerTimer();
  void ReplaceEditKeyDown(UINT key);
  void WithEditKeyDown(UINT key);

  void ExcludedWordsSheetShow();
  void ExcludeEditChange();
  void ExcludeEditKeyDown(UINT key);
  void ExcludeListClick();
  void AddExcludeButtonClick();
  void DeleteExcludeButtonClick();

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  TCustomDictionary* Dictionary() const { return DialogControl.ReadCustomDictionary(); }
  bool IsInternal() const;
  void ShowActiveSheet();
  void FixAutoCorrectColumns();
  // Enter in an edit box: the box's own rule.
  void EnterPressed();
  void RemoveSheet(ui::Panel*& sheet);
  // The added and the excluded words follow the same rules.
  struct WordTab;
  WordTab AddedTab();
  WordTab ExcludedTab();
  void FillWords(const WordTab& tab);
  void WordEditChange(const WordTab& tab);
  void WordListClick(const WordTab& tab);
  void AddWord(const WordTab& tab);
  void DeleteWord(const WordTab& tab);

  bool shown_ = false;
};

}  // namespace tq::spell
