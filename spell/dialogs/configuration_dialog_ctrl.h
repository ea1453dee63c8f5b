// TConfigurationDialogCtrl: the mediator every spelling dialog form carries.
// The form talks to the engine only through it: texts, the configuration,
// the dictionaries on offer, the check run's commands and the other dialogs.
// Without an engine every reader answers a neutral value and every command
// does nothing, so a form works (empty) before it is connected. The form's
// text is UTF-8; the mediator turns the engine's words (Windows-1252) into it
// and back.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "spell/dialogs/spell_dialog_types.h"
#include "spell/engine/custom_dictionary.h"
#include "spell/engine/language_strings.h"
#include "spell/engine/main_dictionary.h"
#include "spell/engine/quill_config.h"
#include "spell/engine/spell_options.h"
#include "spell/engine/string_list.h"

namespace tq::spell {

class TQuillSpellBase;
class TSpellDialogs;
class TSpellingForm;

class TConfigurationDialogCtrl {
 public:
  using TNotifyEvent = std::function<void(TConfigurationDialogCtrl* Sender)>;
  using TWordPromptEvent = std::function<void(void* Sender, const std::string& Word, bool Repeated)>;

  // Connects the dialogs and their engine; only the first counts.
  void WriteSpellDialogs(TSpellDialogs* dialogs);
  TSpellDialogs* ReadSpellDialogs() const { return dialogs_; }
  void WriteCustomDictionary(TCustomDictionary* dictionary);
  TCustomDictionary* ReadCustomDictionary() const { return customDictionary_; }
  TQuillConfig* ReadConfiguration() const { return configuration_; }
  // The form that carries this mediator (set when the form is connected);
  // the dialogs opened through it are owned by that form.
  TSpellingForm* ReadOwnerForm() const { return ownerForm_; }
  void WriteOwnerForm(TSpellingForm* form) { ownerForm_ = form; }
  const TSpellOptions& ReadAvailableOptions() const { return availableOptions_; }

  TNotifyEvent OnConfigurationAvailable;
  TNotifyEvent OnCustomDictionaryAvailable;
  TWordPromptEvent OnPromptWord;

  const TStringList* ReadAvailableMain() const;
  const TStringList* ReadAvailableCustom() const;
  const TStringList* ReadAvailableMSWordCustom() const;
  bool ReadUseExcludeWords() const;
  bool ReadCanUndo() const;
  TCustomDictionary* ReadInternalCustom() const;
  TCustomDictionary* ReadActiveCustom() const;
  TSpellDialogCommands ReadCommandsVisible() const;
  TSpellDialogCommands ReadCommandsEnabled() const;
  int32_t ReadHelpCtxSpellDialog() const;
  int32_t ReadHelpCtxConfigDialog() const;
  int32_t ReadHelpCtxDictionariesDialog() const;
  int32_t ReadHelpCtxDictionaryEditDialog() const;

  std::unique_ptr<TMainDictionary> GetMainDictionary(const std::string& name) const;
  std::unique_ptr<TCustomDictionary> GetCustomDictionary(const std::string& name) const;
  std::string GetOptionString(TSpellOption option) const;
  std::string GetString(TSpellLanguageString key) const;

  // The other dialogs, owned by this mediator's form.
  void Setup();
  void SetupCustomDictionaries();
  void EditCustomDictionary(TCustomDictionary* dictionary);
  void SetupAddDictionaryDir();

  void EnableCustomDictionary(const std::string& name, bool enable);
  void EnableWordDictionary(const std::string& path, bool enable);
  void RemoveCustomDictionary(const std::string& name);
  void CreateNewCustomDictionary(const std::string& name);
  bool RenameCustomDictionary(const std::string& oldName, const std::string& newName);

  // The check run's commands. A replacement the dictionaries' code page
  // cannot hold changes nothing (see CanReplaceWith).
  void Ignore();
  void IgnoreAll();
  void Change(const std::string& text);
  void ChangeAll(const std::string& text);
  void Add();
  void AutoCorrect(const std::string& text);
  void ControlEdited();
  void Cancel();
  void Undo();
  void RepeatIgnore();
  void RepeatDelete();
  void Suggest(const std::string& word, std::vector<std::string>& list) const;
  // Whether text can replace a word: not empty, and all of it in the code page.
  static bool CanReplaceWith(const std::string& text);

  void HelpSpellDialog();
  void HelpConfigDialog();
  void HelpDictionariesDialog();
  void HelpDictionaryEditDialog();

 private:
  TSpellDialogs* dialogs_ = nullptr;
  TQuillSpellBase* quillSpell_ = nullptr;
  TQuillConfig* configuration_ = nullptr;
  TSpellOptions availableOptions_;
  TCustomDictionary* customDictionary_ = nullptr;
  TSpellingForm* ownerForm_ = nullptr;
};

}  // namespace tq::spell
