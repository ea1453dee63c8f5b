#include "spell/dialogs/configuration_dialog_ctrl.h"

#include "spell/dialogs/spell_dialogs.h"
#include "spell/engine/control_text.h"

namespace tq::spell {

void TConfigurationDialogCtrl::WriteSpellDialogs(TSpellDialogs* dialogs) {
  if (dialogs_ || !dialogs) return;
  dialogs_ = dialogs;
  TQuillSpellBase* engine = &dialogs->Engine();
  quillSpell_ = engine;
  configuration_ = &engine->Configuration();
  availableOptions_ = engine->ConfigAvailableOptions;
  if (OnConfigurationAvailable) OnConfigurationAvailable(this);
}

void TConfigurationDialogCtrl::WriteCustomDictionary(TCustomDictionary* dictionary) {
  customDictionary_ = dictionary;
  if (dictionary && OnCustomDictionaryAvailable) OnCustomDictionaryAvailable(this);
}

const TStringList* TConfigurationDialogCtrl::ReadAvailableMain() const {
  return quillSpell_ ? &quillSpell_->ReadAvailableMain() : nullptr;
}
const TStringList* TConfigurationDialogCtrl::ReadAvailableCustom() const {
  return quillSpell_ ? &quillSpell_->ReadAvailableCustom() : nullptr;
}
const TStringList* TConfigurationDialogCtrl::ReadAvailableMSWordCustom() const {
  return quillSpell_ ? &quillSpell_->ReadAvailableMSWordCustom() : nullptr;
}
bool TConfigurationDialogCtrl::ReadUseExcludeWords() const { return quillSpell_ ? quillSpell_->UseExcludeWords : true; }
bool TConfigurationDialogCtrl::ReadCanUndo() const { return quillSpell_ && quillSpell_->ReadCanUndo(); }
TCustomDictionary* TConfigurationDialogCtrl::ReadInternalCustom() const {
  return quillSpell_ ? &quillSpell_->ReadIgnoreAllDictionary() : nullptr;
}
TCustomDictionary* TConfigurationDialogCtrl::ReadActiveCustom() const {
  return quillSpell_ ? quillSpell_->ReadActiveCustomDictionary() : nullptr;
}
TSpellDialogCommands TConfigurationDialogCtrl::ReadCommandsVisible() const {
  return dialogs_ ? dialogs_->CommandsVisible : TSpellDialogCommands{};
}
TSpellDialogCommands TConfigurationDialogCtrl::ReadCommandsEnabled() const {
  if (!quillSpell_) return {};
  TSpellDialogCommands enabled = dialogs_->CommandsEnabled;
  // Options is there to press only when an options dialog can open.
  if (!dialogs_->ReadSetupAvailable()) enabled.Exclude(sdcOptions);
  return enabled;
}
int32_t TConfigurationDialogCtrl::ReadHelpCtxSpellDialog() const { return dialogs_ ? dialogs_->HelpCtxSpellDialog : 0; }
int32_t TConfigurationDialogCtrl::ReadHelpCtxConfigDialog() const {
  return dialogs_ ? dialogs_->HelpCtxConfigDialog : 0;
}
int32_t TConfigurationDialogCtrl::ReadHelpCtxDictionariesDialog() const {
  return dialogs_ ? dialogs_->HelpCtxDictionariesDialog : 0;
}
int32_t TConfigurationDialogCtrl::ReadHelpCtxDictionaryEditDialog() const {
  return dialogs_ ? dialogs_->HelpCtxDictionaryEditDialog : 0;
}

std::unique_ptr<TMainDictionary> TConfigurationDialogCtrl::GetMainDictionary(const std::string& name) const {
  return quillSpell_ ? quillSpell_->GetMainDictionary(name) : nullptr;
}
std::unique_ptr<TCustomDictionary> TConfigurationDialogCtrl::GetCustomDictionary(const std::string& name) const {
  return quillSpell_ ? quillSpell_->GetCustomDictionary(name) : nullptr;
}

std::string TConfigurationDialogCtrl::GetOptionString(TSpellOption option) const {
  if (!quillSpell_) return {};
  switch (option) {
    case soUser1:
      return quillSpell_->ConfigUserOption1;
    case soUser2:
      return quillSpell_->ConfigUserOption2;
    case soUser3:
      return quillSpell_->ConfigUserOption3;
    case soUser4:
      return quillSpell_->ConfigUserOption4;
    case soThoroughSuggestions:
      return quillSpell_->GetString(lsThoroughSuggestions);
    default:
      // The first eleven texts share the options' ordinals.
      return quillSpell_->GetString(static_cast<TSpellLanguageString>(option));
  }
}

std::string TConfigurationDialogCtrl::GetString(TSpellLanguageString key) const {
  return quillSpell_ ? quillSpell_->GetString(key) : std::string();
}

void TConfigurationDialogCtrl::Setup() {
  if (quillSpell_) quillSpell_->Setup(this);
}
void TConfigurationDialogCtrl::SetupCustomDictionaries() {
  if (quillSpell_) quillSpell_->SetupCustomDictionaries(this);
}
void TConfigurationDialogCtrl::EditCustomDictionary(TCustomDictionary* dictionary) {
  if (quillSpell_) quillSpell_->EditCustomDictionary(this, dictionary);
}
void TConfigurationDialogCtrl::SetupAddDictionaryDir() {
  if (quillSpell_) quillSpell_->SetupAddDictionaryDir(this);
}

void TConfigurationDialogCtrl::EnableCustomDictionary(const std::string& name, bool enable) {
  if (quillSpell_) quillSpell_->EnableCustomDictionary(name, enable);
}
void TConfigurationDialogCtrl::EnableWordDictionary(const std::string& path, bool enable) {
  if (quillSpell_) quillSpell_->EnableWordDictionary(path, enable);
}
void TConfigurationDialogCtrl::RemoveCustomDictionary(const std::string& name) {
  if (quillSpell_) quillSpell_->RemoveCustomDictionary(name);
}
void TConfigurationDialogCtrl::CreateNewCustomDictionary(const std::string& name) {
  if (quillSpell_) quillSpell_->CreateNewCustomDictionary(name);
}
bool TConfigurationDialogCtrl::RenameCustomDictionary(const std::string& oldName, const std::string& newName) {
  return quillSpell_ && quillSpell_->RenameCustomDictionary(oldName, newName);
}

void TConfigurationDialogCtrl::Ignore() {
  if (quillSpell_) quillSpell_->Check_Ignore();
}
void TConfigurationDialogCtrl::IgnoreAll() {
  if (quillSpell_) quillSpell_->Check_IgnoreAll();
}
void TConfigurationDialogCtrl::Change(const std::string& text) {
  std::string word;
  if (quillSpell_ && EngineTextOfUtf8Exact(text, &word)) quillSpell_->Check_Change(word);
}
void TConfigurationDialogCtrl::ChangeAll(const std::string& text) {
  std::string word;
  if (quillSpell_ && EngineTextOfUtf8Exact(text, &word)) quillSpell_->Check_ChangeAll(word);
}
void TConfigurationDialogCtrl::Add() {
  if (quillSpell_) quillSpell_->Check_Add();
}
void TConfigurationDialogCtrl::AutoCorrect(const std::string& text) {
  std::string word;
  if (quillSpell_ && EngineTextOfUtf8Exact(text, &word)) quillSpell_->Check_AutoCorrect(word);
}
bool TConfigurationDialogCtrl::CanReplaceWith(const std::string& text) {
  std::string word;
  return !text.empty() && EngineTextOfUtf8Exact(text, &word);
}
void TConfigurationDialogCtrl::ControlEdited() {
  if (quillSpell_) quillSpell_->Check_ControlEdited();
}
void TConfigurationDialogCtrl::Cancel() {
  if (quillSpell_) quillSpell_->Check_Cancel();
}
void TConfigurationDialogCtrl::Undo() {
  if (quillSpell_) quillSpell_->Check_Undo();
}
void TConfigurationDialogCtrl::RepeatIgnore() {
  if (quillSpell_) quillSpell_->Check_RepeatIgnore();
}
void TConfigurationDialogCtrl::RepeatDelete() {
  if (quillSpell_) quillSpell_->Check_RepeatDelete();
}
void TConfigurationDialogCtrl::Suggest(const std::string& word, std::vector<std::string>& list) const {
  if (!quillSpell_) return;
  quillSpell_->Suggest(EngineTextOfUtf8(word), list);
  for (std::string& suggestion : list) suggestion = Utf8OfEngineText(suggestion);
}

void TConfigurationDialogCtrl::HelpSpellDialog() {
  if (dialogs_) dialogs_->ShowHelp(dialogs_->HelpCtxSpellDialog);
}
void TConfigurationDialogCtrl::HelpConfigDialog() {
  if (dialogs_) dialogs_->ShowHelp(dialogs_->HelpCtxConfigDialog);
}
void TConfigurationDialogCtrl::HelpDictionariesDialog() {
  if (dialogs_) dialogs_->ShowHelp(dialogs_->HelpCtxDictionariesDialog);
}
void TConfigurationDialogCtrl::HelpDictionaryEditDialog() {
  if (dialogs_) dialogs_->ShowHelp(dialogs_->HelpCtxDictionaryEditDialog);
}

}  // namespace tq::spell
