// The dictionary set of the engine component: finding dictionary files in
// the search folders, opening the configured ones, and the changes the
// dictionary dialogs make.
#include <algorithm>

#include "spell/engine/quill_spell_base.h"
#include "spell/engine/ansi_text.h"
#include "spell/engine/config_macros.h"

namespace tq::spell {

namespace {

bool IsPath(const std::string& name) { return name.find_first_of("\\/") != std::string::npos; }

// name with its extension (if any) replaced by ".adu".
std::string WithAduExtension(const std::string& name) {
  const size_t dot = name.find_last_of('.');
  return (dot == std::string::npos ? name : name.substr(0, dot)) + ".adu";
}

}  // namespace

void TQuillSpellBase::RebuildSearchFolders() {
  searchFolders_ = ConfigDictionaryDir.Items();
  if (config_->ReadLoaded())
    for (const std::string& folder : config_->ReadNewDictionaryPaths().Items()) searchFolders_.push_back(folder);
}

void TQuillSpellBase::ForgetAvailableLists() {
  availableMain_.Clear();
  availableCustom_.Clear();
  availableMainRead_ = availableCustomRead_ = false;
  ForgetAvailableMSWordCustom();
}

std::unique_ptr<TMainDictionary> TQuillSpellBase::GetMainDictionary(const std::string& name) {
  auto dict = std::make_unique<TMainDictionary>(*env_);
  std::string tried;
  if (!IsPath(name)) {
    for (const std::string& folder : searchFolders_) {
      tried = AdExcludeTrailingBackslash(ExpandVars(folder)) + "\\" + name;
      dict->WriteFilename(tried);
      if (dict->ReadFilename() == tried) break;
    }
  } else {
    tried = ExpandVars(name);
    dict->WriteFilename(tried);
  }
  if (tried.empty() || dict->ReadFilename() != tried) return nullptr;
  return dict;
}

std::unique_ptr<TCustomDictionary> TQuillSpellBase::GetCustomDictionary(const std::string& name) {
  std::unique_ptr<TCustomDictionary> dict;
  if (OnCreateCustomDictionary) OnCreateCustomDictionary(this, dict);
  if (!dict) dict = std::make_unique<TCustomDictionary>(*env_);
  std::string path;
  if (!IsPath(name)) {
    for (const std::string& entry : searchFolders_) {
      const std::string folder = AdExcludeTrailingBackslash(ExpandVars(entry));
      if (!env_->DirectoryExists(folder)) ADForceDirectories(*env_, folder);
      const std::string candidate = folder + "\\" + name;
      if (path.empty()) path = candidate;  // a new dictionary goes to the first folder
      if (env_->FileExists(candidate)) {
        path = candidate;
        break;
      }
    }
    if (path.empty()) return nullptr;
  } else {
    path = ExpandVars(name);
    ADForceDirectories(*env_, ExtractFileDir(path));
  }
  // The new object must read the latest words of the others on this file.
  for (const auto& other : customDictionaries_)
    if (other->ReadFilename() == path) other->Save();
  if (activeCustom_ && activeCustom_->ReadFilename() == path) activeCustom_->Save();
  dict->WriteFilename(path);
  if (dict->ReadFilename() != path) return nullptr;
  return dict;
}

void TQuillSpellBase::ReloadDictionaries() {
  englishLoaded_ = false;
  reorderCountdown_ = 100;
  mainDictionaries_.clear();
  for (const std::string& name : config_->ReadMainDictionaries().Items())
    if (auto dict = GetMainDictionary(name)) {
      if ((dict->ReadLanguage() & 0xFF) == 9) englishLoaded_ = true;
      mainDictionaries_.push_back(std::move(dict));
    }
  const std::string active = config_->ReadActiveCustom();
  // The old objects save as they go. The new ones are gathered apart: they
  // hold no changes yet, and GetCustomDictionary would otherwise look through
  // every one opened so far for each name, which is quadratic in a long list.
  customDictionaries_.clear();
  std::vector<std::unique_ptr<TCustomDictionary>> opened;
  for (const std::string& name : config_->ReadCustomDictionaries().Items())
    if (ExpandVars(name) != active)
      if (auto dict = GetCustomDictionary(name)) opened.push_back(std::move(dict));
  customDictionaries_ = std::move(opened);
  msWordDictionaries_.clear();
  for (const std::string& path : config_->ReadMSWordCustomDictionaries().Items())
    if (auto dict = GetMSWordCustomDictionary(path)) msWordDictionaries_.push_back(std::move(dict));
  activeCustom_.reset();
  if (!active.empty()) activeCustom_ = GetCustomDictionary(active);
  if (!mappingDictionary_ && !mappingDictionaryName_.empty())
    mappingDictionary_ = GetCustomDictionary(mappingDictionaryName_);
  if (!learningDictionary_ && suggestionsLearning_ && !suggestionsLearningDict_.empty())
    learningDictionary_ = GetCustomDictionary(suggestionsLearningDict_);
  if (OnDictionariesChanged) OnDictionariesChanged(this);
}

void TQuillSpellBase::GetAvailableDictionaries(const std::string& extension, TStringList& list) {
  config_->EnsureLoaded();
  std::vector<std::string> names;
  for (const std::string& entry : searchFolders_) {
    std::vector<std::string> found;
    const std::string folder = AdExcludeTrailingBackslash(ExpandVars(entry));
    if (env_->ListFiles(folder, "*." + extension, &found).ok()) names.insert(names.end(), found.begin(), found.end());
  }
  std::vector<std::string> unique;
  for (std::string& name : names)
    if (std::find(unique.begin(), unique.end(), name) == unique.end()) unique.push_back(std::move(name));
  for (std::string& name : unique) list.Add(name);
}

const TStringList& TQuillSpellBase::ReadAvailableMain() {
  if (!availableMainRead_) {
    availableMainRead_ = true;
    GetAvailableDictionaries("adm", availableMain_);
  }
  return availableMain_;
}

const TStringList& TQuillSpellBase::ReadAvailableCustom() {
  if (!availableCustomRead_) {
    availableCustomRead_ = true;
    GetAvailableDictionaries("adu", availableCustom_);
    const std::string& active = config_->ReadActiveCustomName();
    if (!active.empty() && !availableCustom_.Contains(active)) availableCustom_.Insert(0, active);
  }
  return availableCustom_;
}

bool TQuillSpellBase::EnableCustomDictionary(const std::string& name, bool enable) {
  TStringList& list = config_->ReadCustomDictionaries();
  const int at = list.IndexOf(name);
  if (at >= 0) {
    if (enable) return true;
    const bool wasActive = AnsiSameText(config_->ReadActiveCustomName(), name);
    list.Delete(at);
    if (wasActive) config_->WriteActiveCustom(list.Count() > 0 ? list[0] : std::string());
    return true;
  }
  if (!enable) return true;
  if (!GetCustomDictionary(name)) return false;
  list.Add(name);
  return true;
}

bool TQuillSpellBase::EnableWordDictionary(const std::string& path, bool enable) {
  TStringList& list = config_->ReadMSWordCustomDictionaries();
  const int at = list.IndexOf(path);
  if (at >= 0 && !enable) list.Delete(at);
  if (at < 0 && enable) {
    if (!env_->FileExists(path)) return false;
    list.Add(path);
  }
  return true;
}

bool TQuillSpellBase::RemoveCustomDictionary(const std::string& name) {
  EnableCustomDictionary(name, false);
  availableCustom_.Clear();
  availableCustomRead_ = false;
  std::unique_ptr<TCustomDictionary> dict = GetCustomDictionary(name);
  if (!dict) return false;
  const std::string path = dict->ReadFilename();
  dict->WriteModified(false);
  dict.reset();
  return !env_->FileExists(path) || env_->RemoveFile(path).ok();
}

bool TQuillSpellBase::CreateNewCustomDictionary(const std::string& name) {
  const std::string fileName = WithAduExtension(ExtractFileName(name));
  std::unique_ptr<TCustomDictionary> dict = GetCustomDictionary(fileName);
  if (!dict) return false;
  dict->WriteModified(true);
  dict->Save();
  const bool written = env_->FileExists(dict->ReadFilename());
  TStringList& list = config_->ReadCustomDictionaries();
  if (!list.Contains(fileName)) list.Add(fileName);
  availableCustom_.Clear();
  availableCustomRead_ = false;
  return written;
}

bool TQuillSpellBase::RenameCustomDictionary(const std::string& oldName, const std::string& newName) {
  if (oldName == newName || !ReadAvailableCustom().Contains(oldName)) return false;
  std::unique_ptr<TCustomDictionary> dict = GetCustomDictionary(oldName);
  if (!dict) return false;
  const std::string oldPath = dict->ReadFilename();
  const std::string newFile = WithAduExtension(newName);
  const std::string newPath = ExtractFileDir(oldPath) + "\\" + newFile;
  if (env_->FileExists(newPath) || !TCustomDictionary(*env_).IsCustomDictionary(newPath, false, nullptr)) return false;
  dict->WriteModified(true);
  dict->Save();
  dict.reset();
  if (!env_->RenameFile(oldPath, newPath).ok()) return false;
  const bool wasActive = AnsiSameText(config_->ReadActiveCustomName(), oldName);
  TStringList& list = config_->ReadCustomDictionaries();
  const int at = list.IndexOf(oldName);
  if (at >= 0) {
    list.Delete(at);
    list.Add(newFile);
  }
  if (wasActive) config_->WriteActiveCustom(newFile);
  availableCustom_.Clear();
  availableCustomRead_ = false;
  return true;
}

void TQuillSpellBase::OptimizeMainDictionaryOrder() {
  if (mainDictionaries_.size() > 1) {
    auto best = mainDictionaries_.begin();
    for (auto it = best + 1; it != mainDictionaries_.end(); ++it)
      if ((*it)->ReadWordsFound() > (*best)->ReadWordsFound()) best = it;
    std::rotate(mainDictionaries_.begin(), best, best + 1);
  }
  if (mainDictionaries_.empty()) return;
  const int language = static_cast<int>(mainDictionaries_.front()->ReadLanguage());
  suggestions_->WriteLanguage(language);
  if (auto* cutter = dynamic_cast<TMainParsingEngine*>(parsingEngine_.get()))
    cutter->SetFrenchExceptions((language & 0xFF) == 12);
}

void TQuillSpellBase::UnloadDictionaries() {
  if (keepDictionariesActive_ || CheckRunActive()) return;
  config_->SaveConfiguration();
  for (const auto& dict : mainDictionaries_) dict->WriteLoaded(false);
  if (activeCustom_) activeCustom_->WriteLoaded(false);
  for (const auto& dict : customDictionaries_) dict->WriteLoaded(false);
  if (learningDictionary_) learningDictionary_->WriteLoaded(false);
}

void TQuillSpellBase::WriteKeepDictionariesActive(bool keep) {
  keepDictionariesActive_ = keep;
  if (!keep) UnloadDictionaries();
}

void TQuillSpellBase::NotifyDictionariesPathChanged(void*) {
  if (loading_ > 0) return;
  FireConfigurationChanged(true);
}

void TQuillSpellBase::WriteConfigDictionaryDir(const TStringList& list) {
  const auto handler = std::move(ConfigDictionaryDir.OnChange);
  ConfigDictionaryDir.OnChange = nullptr;
  ConfigDictionaryDir = list;
  ConfigDictionaryDir.OnChange = handler;
  RebuildSearchFolders();
  ForgetAvailableLists();
}

void TQuillSpellBase::WriteMappingDictionary(const std::string& name) {
  if (name == mappingDictionaryName_) return;
  mappingDictionaryName_ = name;
  mappingDictionary_.reset();
  if (!mainDictionaries_.empty()) ReloadDictionaries();
}

void TQuillSpellBase::WriteLearnSuggestions(bool on) {
  if (on == suggestionsLearning_) return;
  learningDictionary_.reset();
  suggestionsLearning_ = on;
  if (on && config_->ReadLoaded()) ReloadDictionaries();
}

void TQuillSpellBase::WriteSuggestionsDictFN(const std::string& name) {
  if (name == suggestionsLearningDict_) return;
  suggestionsLearningDict_ = name;
  if (learningDictionary_ && suggestionsLearning_) {
    learningDictionary_.reset();
    ReloadDictionaries();
  }
}

void TQuillSpellBase::SetupAddDictionaryDir(void* Owner) {
  const std::string folder = InternalSetupAddDictionaryDir(Owner);
  if (!folder.empty()) config_->ReadNewDictionaryPaths().Add(folder);
}

uint32_t TQuillSpellBase::ReadTextPrimaryLanguage() const {
  return mainDictionaries_.empty() ? 0 : mainDictionaries_.front()->ReadLanguage();
}

void TQuillSpellBase::FireConfigurationChanged(bool dictionaries) {
  RebuildSearchFolders();
  ForgetAvailableLists();
  if (dictionaries) {
    const std::string before = activeCustom_ ? activeCustom_->ReadFilename() : std::string();
    ReloadDictionaries();
    if (!activeCustom_ || activeCustom_->ReadFilename() != before) ResetUndo();
  }
  ResynchOptions(false);
  if (OnConfigChanged) OnConfigChanged(this);
  configurationChanged_.Notify(this);
}

}  // namespace tq::spell
