// TSpellCheckConfigDialog: the "Spelling Options" dialog. Up to ten check
// boxes for the options the engine offers and one for thorough suggestions
// below them, the main dictionaries with a check box
// each (and a row that adds a folder of dictionaries), the custom
// dictionary that receives added words, and the way to the custom
// dictionaries dialog. Every change is written into the configuration at
// once, which reloads the dictionaries and re-applies the options; OK only
// closes the dialog.
#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "spell/dialogs/configuration_dialog_ctrl.h"
#include "spell/dialogs/spelling_form.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/row_list_view.h"

namespace tq::spell {

class TSpellCheckConfigDialog : public TSpellingForm {
 public:
  // Creates the (hidden) dialog centred over owner; it fills itself when
  // the mediator is given the engine.
  explicit TSpellCheckConfigDialog(HWND owner);
  ~TSpellCheckConfigDialog() override;

  TConfigurationDialogCtrl DialogControl;
  TConfigurationDialogCtrl* ConfigurationDialogCtrl() override { return &DialogControl; }

  ui::GroupBox OptionsGroup, DictionariesGroup;
  // Option1 ... Option10 take the offered options in order; the box after
  // the last of them takes soThoroughSuggestions, which every host offers.
  std::array<ui::CheckBox, 11> Options;
  ui::RowListView MainDictionaries;
  ui::Label CustomLabel;
  ui::ComboBox CustomCombo;
  ui::Button DictionariesButton, ResetButton, HelpButton, OK;

  void DialogControlConfigurationAvailable();
  void PopulateMainList();
  void PopulateDropDown();
  // Answers how many option boxes stay hidden.
  int PopulateOptions();
  void FixHeader();
  void MainDictionariesClick(int row, bool onLabelOrRight);
  void MainDictionariesSelectItem(int row, bool selected);
  void MainDictionariesChange(int row);
  void OptionsClick(int box);
  void CustomComboChange();
  void DictionariesButtonClick();
  void ResetButtonClick();
  void HelpButtonClick();

  // The option each box stands for (its tag); -1 for a hidden box.
  int OptionTag(int box) const { return tags_[static_cast<size_t>(box)]; }
  bool BrowseRowPresent() const { return browseRow_; }

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void ShiftUp(ui::Wnd& control, int pixels);
  // Makes room for the captions of the language shown: the dialog grows
  // wider (within the screen) as its longest option or caption needs.
  void FitCaptions();

  std::array<int, 11> tags_{};
  std::vector<bool> lastSeen_;  // per main dictionary row: the check last seen
  bool browseRow_ = false;
  bool populating_ = false;     // checks set by the dialog itself are not the user's
};

}  // namespace tq::spell
