// TSpellDialogs: the standard dialogs of one spell-check engine, which it
// is given and which outlives it. It checks the text of edit and rich edit
// windows through the window-message cursor, shows the spell-check dialog at
// each stop of a run (placed away from the word and the checked control),
// the end message and the selection question, and can give the spelling
// dialogs fonts of the user's choice. It is the engine's check-run
// interface, so the engine's Setup entry points show its options and
// dictionary dialogs; while it lives, the engine's runs pump the thread's
// messages.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "spell/dialogs/spell_dialog_types.h"
#include "spell/engine/quill_spell_base.h"
#include "spell/engine/spell_ui.h"
#include "ui/handles.h"

namespace tq::ui {
class Form;
class Wnd;
}  // namespace tq::ui

namespace tq::spell {

class TConfigurationDialogCtrl;
class TSpellingForm;
class TWinAPIControlParser;

// A font the spelling dialogs may be given: a face name and a point size.
struct TUIFont {
  std::string Name = "MS Sans Serif";
  int Size = 8;
};

class TSpellDialogs : public TCheckRunUI {
 public:
  using TNotifyEvent = std::function<void(TSpellDialogs* Sender)>;
  // With Create true the handler may supply the dialog form (it stays the
  // handler's); with Create false it takes the form back.
  using TCreateSpellDialogEvent = std::function<void(TSpellDialogs* Sender, TSpellingForm*& SpellForm, bool Create)>;
  using THelpEvent = std::function<void(TSpellDialogs* Sender, const std::string& HelpFile, int32_t Context)>;

  explicit TSpellDialogs(TQuillSpellBase& engine);
  ~TSpellDialogs() override;
  TSpellDialogs(const TSpellDialogs&) = delete;
  TSpellDialogs& operator=(const TSpellDialogs&) = delete;

  TQuillSpellBase& Engine() const { return engine_; }

  // --- Checking windows ---
  // The host control's text (a tq::ui::Wnd holding an edit or rich edit).
  void CheckWinControl(ui::Wnd* control, TCheckType type);
  // The same, reading the control with the first rich edit generation's messages.
  void CheckRichEdit(ui::Wnd* control, TCheckType type);
  // A window without a host control.
  void CheckWinControlHWND(HWND window, TCheckType type);
  int GetWordCountWinControl(ui::Wnd* control, TCheckType type);
  int GetErrorCountWinControl(ui::Wnd* control, TCheckType type);
  bool ErrorsPresentInWinControl(ui::Wnd* control, TCheckType type);
  // The live spelling menu's dialog item: the window's selection, with the
  // dialog under the word and no message at the end; nothing while a run
  // is in progress.
  void CheckSelectionFromMenu(HWND window);

  // --- The spell-check dialog ---
  TSpellUI UIType = suiDialog;
  TSpellDialogInitialPos DialogInitialPos = ipLastUserPos;
  TSpellDialogAvoidPos DialogSelectionAvoid = saAvoid;
  TSpellEndMessage EndMessage = emExceptCancel;
  bool EndMessageWordCount = false;
  TSpellDialogCommands CommandsVisible = TSpellDialogCommands::All();
  TSpellDialogCommands CommandsEnabled = TSpellDialogCommands::All();
  std::string HelpFile;
  int32_t HelpCtxSpellDialog = 0;
  int32_t HelpCtxConfigDialog = 0;
  int32_t HelpCtxDictionariesDialog = 0;
  int32_t HelpCtxDictionaryEditDialog = 0;

  TCreateSpellDialogEvent OnCreateSpellDialog;
  TNotifyEvent OnSpellDialogShow;
  TNotifyEvent OnSpellDialogHide;
  TNotifyEvent OnPositionDialog;
  TNotifyEvent OnDialogDeactivate;
  TNotifyEvent OnDialogActivate;
  // Shows a help context of HelpFile; without a handler Help does nothing.
  THelpEvent OnHelp;

  // The dialog of the run in progress, its mediator; none between runs.
  TSpellingForm* ReadDialogForm() const { return dialogForm_; }
  TConfigurationDialogCtrl* ReadDialogControl() const { return dialogControl_; }
  // Connects a spelling dialog form to these dialogs and their engine (and
  // to the dictionary it edits, if any); answers the form's mediator, or none.
  TConfigurationDialogCtrl* SetupDialogControl(TSpellingForm* form, TCustomDictionary* dictionary);

  // --- Placement of the dialog ---
  void SetInitialPosition();
  void AdjustDialogToSelection(bool horizontal, bool vertical);
  void AdjustDialogToControl();
  void AvoidSelection();

  // --- Fonts of the dialogs ---
  TUIFont UILanguageFontControls;
  TUIFont UILanguageFontText;
  bool UILanguageUseFonts = false;
  // Gives the form's controls the chosen fonts (text fonts: edits, lists and
  // combo boxes take the text font, else the controls' font).
  void SetupFormFonts(ui::Form* form, bool textFonts);

  // Whether Options can open an options dialog (a handler of the engine's
  // OnShowConfigDialog or the one of these dialogs).
  bool ReadSetupAvailable() const { return true; }

  // The help of each dialog, for the mediators.
  void ShowHelp(int32_t context);

  // --- The engine's check-run interface ---
  // The options and dictionary dialogs (spell_dialogs_setup.cpp).
  void Setup(void* Owner) override;
  void SetupCustomDictionaries(void* Owner) override;
  void EditCustomDictionary(void* Owner, TCustomDictionary* Dictionary) override;
  std::string SetupAddDictionaryDir(void* Owner) override;
  void EnsureUI() override;
  void ShutdownUI() override;
  void PromptWord() override;
  void ShowEndMessage() override;
  void ShowHourglass(bool on) override;

 private:
  // One of the options and dictionary dialogs, modal over the active window,
  // connected to these dialogs (and the dictionary it edits).
  template <typename TForm>
  void ShowModalDialog(bool textFonts, TCustomDictionary* dictionary);
  // Creates the run's dialog form and stores it.
  void CreateSpellDialog();
  void Form_OnShow(TSpellingForm* Sender);
  void Form_OnDeactivate(TSpellingForm* Sender);
  void Form_OnActivate(TSpellingForm* Sender);

  // The window the run's messages and question belong to.
  HWND MessageOwner() const;
  // Runs a check over a new cursor for a control, attached by attach; the
  // cursor is kept until the next check replaces it.
  void CheckControl(TCheckType type, const std::function<void(TWinAPIControlParser&)>& attach);
  HFONT FontFor(const TUIFont& font, ui::UniqueFont& cache, std::string& cachedKey);

  TQuillSpellBase& engine_;
  std::unique_ptr<TWinAPIControlParser> controlParser_;
  std::unique_ptr<TSpellingForm> ownedDialog_;
  // Dialogs of ended runs, destroyed once no handler of theirs is running.
  std::vector<std::unique_ptr<TSpellingForm>> releasedDialogs_;
  TSpellingForm* dialogForm_ = nullptr;
  TConfigurationDialogCtrl* dialogControl_ = nullptr;
  bool dialogShown_ = false;
  bool dialogDeactivated_ = false;
  bool showModal_ = false;
  std::function<void(TSpellingForm*)> savedOnShow_, savedOnDeactivate_, savedOnActivate_;
  HCURSOR cursorBeforeHourglass_ = nullptr;
  ui::UniqueFont controlsFont_, textFont_;
  std::string controlsFontKey_, textFontKey_;
};

}  // namespace tq::spell
