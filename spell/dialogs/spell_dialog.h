// TSpellDialog: the spell-check dialog. It shows the word a check run
// stopped on, a replacement with suggestions, and the commands a user
// answers with (Ignore, Change, Add, Undo, ...). It is not modal: the user
// may work in the checked text meanwhile; the commands are disabled while
// the dialog is inactive, and the run resumes from the edited text when the
// dialog is activated again. All captions come from the engine's texts in
// its interface language.
#pragma once

#include <functional>
#include <string>

#include "spell/dialogs/configuration_dialog_ctrl.h"
#include "spell/dialogs/spelling_form.h"
#include "ui/button.h"
#include "ui/edit.h"
#include "ui/handles.h"
#include "ui/label.h"
#include "ui/list_box.h"

namespace tq::spell {

// The read-only box of the word: a double click takes the word over.
class TWordEdit : public ui::Edit {
 public:
  std::function<void()> onDoubleClick;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;
};

class TSpellDialog : public TSpellingForm {
 public:
  // owner: the window the dialog stays in front of; none for a free one.
  explicit TSpellDialog(HWND owner);

  TConfigurationDialogCtrl* ConfigurationDialogCtrl() override { return &DialogControl; }

  ui::Label NotFoundText, ReplaceWithText, SuggestionsText;
  TWordEdit NotFoundEdit;
  ui::Edit ReplaceWithEdit;
  ui::ListBox SuggestionsListbox;
  ui::Button IgnoreButton, IgnoreAllButton, ChangeButton, ChangeAllButton, AddButton, AutoCorrectButton, HelpButton,
      UndoButton, CancelButton, OptionsButton;
  TConfigurationDialogCtrl DialogControl;

  bool ReadRepeatedMode() const { return repeatedMode_; }

  void DialogControlConfigurationAvailable();
  // Makes room for the captions of the language shown: the labels' column,
  // the boxes' and the two columns of buttons grow as their captions need,
  // and the dialog with them.
  void FitCaptions();
  void DialogControlPromptWord(const std::string& Word, bool Repeated);
  void FullEnable(bool on);
  void ReplaceWithEditChange();
  void IgnoreButtonClick();
  void IgnoreAllButtonClick();
  void ChangeButtonClick();
  void ChangeAllButtonClick();
  void AddButtonClick();
  void AutoCorrectButtonClick();
  void UndoButtonClick();
  void CancelButtonClick();
  void OptionsButtonClick();
  void HelpButtonClick();
  void SuggestionsListboxClick();
  void SuggestionsListboxDblClick();
  void NotFoundEditDblClick();
  void FormDeactivate();
  void FormActivate();

 protected:
  bool OnClose() override;  // FormCloseQuery

 private:
  bool Enabled(TSpellDialogCommand command) const { return DialogControl.ReadCommandsEnabled().Contains(command); }
  bool HasActiveCustom() const { return DialogControl.ReadActiveCustom() != nullptr; }
  void CreateControls();
  // The commands the current kind of word (misspelt or repeated) allows.
  void EnableForMode();
  // Moves the focus off a control that has just been disabled.
  void KeepFocusUsable();

  ui::UniqueFont font_;
  bool repeatedMode_ = false;
  bool deactivated_ = false;
};

}  // namespace tq::spell
