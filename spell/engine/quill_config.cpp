#include "spell/engine/quill_config.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "platform/codepage.h"
#include "platform/utf16.h"
#include "spell/engine/ansi_text.h"
#include "spell/engine/config_macros.h"
#include "spell/engine/quill_spell_base.h"

namespace tq::spell {

namespace {

// The file keeps the form older readers know: text Windows-1252 holds is
// written in it (the bytes they wrote themselves), other text as UTF-8.
// Read back, valid UTF-8 with bytes beyond ASCII is UTF-8 and anything else
// Windows-1252, so old files and new ones both read as they were meant.
std::string FileForm(const std::string& text) {
  std::string ansi;
  return platform::Utf8ToCp1252(text, &ansi) ? ansi : text;
}

std::string TextOfFileForm(const std::string& stored) {
  const bool ascii =
      std::all_of(stored.begin(), stored.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii || platform::Utf16ToUtf8(platform::Utf8ToUtf16(stored)) == stored) return stored;
  return platform::Cp1252ToUtf8(stored);
}

struct OptionKey {
  TSpellOption option;
  const char* key;
};

// In the order they are written.
constexpr OptionKey kOptionKeys[] = {
    {soUpcase, "_soUpcase"},
    {soNumbers, "_soNumbers"},
    {soHTML, "_soHTML"},
    {soInternet, "_soInternet"},
    {soQuoted, "_soQuoted"},
    {soAbbreviations, "_soAbbreviations"},
    {soPrimaryOnly, "_soPrimaryOnly"},
    {soRepeated, "_soRepeated"},
    {soDUalCaps, "_soDUalCaps"},
    {soLiveSpelling, "_soLiveSpelling"},
    {soLiveCorrect, "_soLiveCorrect"},
    {soUser1, "_soUser1"},
    {soUser2, "_soUser2"},
    {soUser3, "_soUser3"},
    {soUser4, "_soUser4"},
    {soThoroughSuggestions, "_soThoroughSuggestions"},
};

// A decimal number; anything else reads as 0.
int ToInt(const std::string& text) {
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || v < INT32_MIN || v > INT32_MAX) return 0;
  return static_cast<int>(v);
}

}  // namespace

TQuillConfig::TQuillConfig(TQuillSpellBase* owner) : owner_(owner) {
  newPaths_.WriteSorted(true);
  newPaths_.IgnoreDuplicates = true;
  for (TStringList* list : {&main_, &custom_, &msWordCustom_, &newPaths_})
    list->OnChange = [this] { NotifyDictionariesChanged(this); };
}

TQuillConfig::~TQuillConfig() {
  SaveConfiguration();
  CloseStore();
}

// The writers load first: a value set before the first load would otherwise
// be overwritten by it, and lost.
void TQuillConfig::WriteActiveCustom(const std::string& name) {
  EnsureLoaded();
  if (name == activeCustom_) return;
  activeCustom_ = name;
  if (!custom_.Contains(name)) custom_.Add(name);
  FireOnConfigChanged(true);
}

void TQuillConfig::WriteLoaded(bool loaded) {
  if (loaded == loaded_) return;
  if (loaded) {
    LoadConfiguration();
  } else {
    SaveConfiguration();
    loaded_ = false;
  }
}

void TQuillConfig::WriteSpellOptions(TSpellOptions options) {
  EnsureLoaded();
  if (options == options_) return;
  options_ = options;
  FireOnConfigChanged(false);
}

void TQuillConfig::WriteDialogX(int x) {
  EnsureLoaded();
  if (x == dialogX_) return;
  dialogX_ = x;
  FireOnConfigChanged(false);
}

void TQuillConfig::WriteDialogY(int y) {
  EnsureLoaded();
  if (y == dialogY_) return;
  dialogY_ = y;
  FireOnConfigChanged(false);
}

TStringList& TQuillConfig::ReadMainDictionaries() {
  EnsureLoaded();
  return main_;
}

TStringList& TQuillConfig::ReadCustomDictionaries() {
  EnsureLoaded();
  return custom_;
}

TStringList& TQuillConfig::ReadMSWordCustomDictionaries() {
  EnsureLoaded();
  return msWordCustom_;
}

std::string TQuillConfig::ReadActiveCustom() {
  EnsureLoaded();
  return owner_ ? owner_->ExpandVars(activeCustom_) : activeCustom_;
}

TSpellOptions TQuillConfig::ReadSpellOptions() {
  EnsureLoaded();
  return options_;
}

int TQuillConfig::ReadDialogX() {
  EnsureLoaded();
  return dialogX_;
}

int TQuillConfig::ReadDialogY() {
  EnsureLoaded();
  return dialogY_;
}

TStringList& TQuillConfig::ReadNewDictionaryPaths() {
  EnsureLoaded();
  return newPaths_;
}

void TQuillConfig::NotifyDictionariesChanged(void*) { FireOnConfigChanged(true); }

void TQuillConfig::FireOnConfigChanged(bool dictionaries) {
  if (!loaded_ || !owner_) return;
  modified_ = true;
  owner_->FireConfigurationChanged(dictionaries);
}

void TQuillConfig::OpenStore(bool forWriting) {
  CloseStore();
  if (!owner_) return;
  if (storage_ == csFile && !filename_.empty()) {
    ADForceDirectories(owner_->env(), ExtractFileDir(filename_));
    ini_ = std::make_unique<platform::IniFile>(owner_->env(), filename_);
  } else if (storage_ == csRegistry) {
    key_ = owner_->keyStore().Open(platform::KeyRoot::CurrentUser, registryKey_ + "\\" + configID_, forWriting);
  }
}

void TQuillConfig::CloseStore() {
  ini_.reset();
  key_.reset();
}

std::string TQuillConfig::ReadString(const std::string& key, const std::string& def) {
  switch (storage_) {
    case csFile:
      return ini_ ? TextOfFileForm(ini_->ReadString(FileForm(configID_), FileForm(key), FileForm(def))) : def;
    case csRegistry:
      if (key_) {
        if (std::optional<std::string> v = key_->ReadString(key)) return *v;
      }
      return def;
    case csCallback: {
      std::string value;
      if (!owner_) return def;
      owner_->FireReadString(configID_, key, def, value);
      return value;
    }
    case csNone:
      break;
  }
  return def;
}

void TQuillConfig::WriteString(const std::string& key, const std::string& value) {
  switch (storage_) {
    case csFile:
      // After one failed write the rest of the save is dropped.
      if (ini_ && !ini_->WriteString(FileForm(configID_), FileForm(key), FileForm(value))) ini_.reset();
      break;
    case csRegistry:
      if (key_ && !key_->WriteString(key, value)) key_.reset();
      break;
    case csCallback:
      if (owner_) owner_->FireWriteString(configID_, key, value);
      break;
    case csNone:
      break;
  }
}

size_t TQuillConfig::ListEntryLimit(const std::string& name) {
  std::vector<std::string> keys;
  switch (storage_) {
    case csFile:
      if (ini_)
        for (const std::string& stored : ini_->ReadSection(FileForm(configID_))) keys.push_back(TextOfFileForm(stored));
      break;
    case csRegistry:
      if (key_) keys = key_->ValueNames();
      break;
    case csCallback:
      return 65536;  // the application's store cannot be asked what it holds
    case csNone:
      break;
  }
  // One past the highest entry number stored for the list.
  size_t limit = 0;
  const std::string prefix = name + "_";
  for (const std::string& key : keys) {
    if (key.size() <= prefix.size() || !AnsiSameText(key.substr(0, prefix.size()), prefix)) continue;
    const std::string digits = key.substr(prefix.size());
    if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos) continue;
    limit = std::max(limit, static_cast<size_t>(std::stoul(digits)) + 1);
  }
  return limit;
}

void TQuillConfig::ReadWriteStringList(const std::string& name, TStringList& list, bool reading) {
  if (reading) {
    const std::string count = ReadString(name + "_count", "-");
    if (count == "-") return;
    // A damaged count must not stall the load: no entry lies past the
    // highest one stored.
    const int n =
        static_cast<int>(std::min<size_t>(static_cast<size_t>(std::max(ToInt(count), 0)), ListEntryLimit(name)));
    for (int i = 0; i < n; ++i) {
      std::string value = ReadString(name + "_" + std::to_string(i), "");
      if (!value.empty()) list.Add(value);
    }
    return;
  }
  WriteString(name + "_count", std::to_string(list.Count()));
  for (int i = 0; i < list.Count(); ++i) WriteString(name + "_" + std::to_string(i), list[i]);
}

void TQuillConfig::LoadConfiguration() {
  loaded_ = false;
  if (!owner_ || inLoad_) return;
  inLoad_ = true;
  storage_ = owner_->ReadConfigStorage();
  configID_ = ExpandBasicVars(owner_->ReadConfigID(), owner_->facts());
  filename_ = storage_ == csFile ? owner_->ExpandVars(owner_->ReadConfigFilename()) : std::string();
  registryKey_ = storage_ == csRegistry ? owner_->ExpandVars(owner_->ReadConfigRegistryKey()) : std::string();
  OpenStore(false);
  // A configuration file is read once for the whole load.
  platform::IniFile* ini = ini_.get();
  if (ini) ini->BeginUpdate();

  // Everything is read afresh; left-overs of an earlier load would make
  // WriteActiveCustom think the name is already in place.
  main_.Clear();
  custom_.Clear();
  msWordCustom_.Clear();
  newPaths_.Clear();
  activeCustom_.clear();
  userDataNames_.clear();
  userDataValues_.clear();

  const bool firstRun = ReadString("_FirstRun", "-") == "-" || resetOnNextLoad_;
  resetOnNextLoad_ = false;
  if (firstRun) {
    main_.Assign(owner_->ConfigDefaultMain.Items());
    custom_.Assign(owner_->ConfigDefaultCustom.Items());
    if (owner_->ConfigUseMSWordCustom && owner_->ConfigDefaultUseMSWordCustom)
      msWordCustom_.Assign(owner_->ReadAvailableMSWordCustom().Items());
    options_ = owner_->ConfigDefaultOptions;
    dialogX_ = dialogY_ = -1;
    // Folder macros stay in the name; they are expanded on use.
    std::string active = ReplaceString("%ConfigID%", ExpandBasicVars(owner_->ReadConfigID(), owner_->facts()),
                                       owner_->ConfigDefaultActiveCustom);
    WriteActiveCustom(ExpandFixedVars(active, owner_->facts()));
  } else {
    ReadWriteStringList("_Main", main_, true);
    ReadWriteStringList("_Custom", custom_, true);
    ReadWriteStringList("_MSWordCustom", msWordCustom_, true);
    WriteActiveCustom(ReadString("_ActiveCustom", ""));
    TSpellOptions options;
    // Thorough suggestions came after the other options: a configuration
    // that does not name them takes the host's default; one that does keeps
    // its choice.
    for (const OptionKey& k : kOptionKeys) {
      const bool byDefault = k.option == soThoroughSuggestions && owner_->ConfigDefaultOptions.Contains(k.option);
      options.Set(k.option, ReadString(k.key, byDefault ? "+" : "-") == "+");
    }
    options_ = options;
    dialogX_ = ToInt(ReadString("_DialogX", "-1"));
    dialogY_ = ToInt(ReadString("_DialogY", "-1"));
    ReadWriteStringList("_NewPaths", newPaths_, true);
    TStringList names;
    ReadWriteStringList("_UserData", names, true);
    for (const std::string& name : names.Items()) {
      userDataNames_.push_back(name);
      userDataValues_.push_back(ReadString("User_" + name, ""));
    }
  }
  if (ini && ini == ini_.get() && !ini->EndUpdate()) ini_.reset();
  inLoad_ = false;
  loaded_ = true;
  modified_ = false;
  owner_->FireConfigLoaded();
  FireOnConfigChanged(true);
  CloseStore();
}

void TQuillConfig::EnsureLoaded() {
  if (!loaded_ && !inLoad_) LoadConfiguration();
}

std::string TQuillConfig::GetConfigurationData(const std::string& name) {
  EnsureLoaded();
  for (size_t i = 0; i < userDataNames_.size(); ++i)
    if (AnsiSameText(userDataNames_[i], name)) return userDataValues_[i];
  return "";
}

void TQuillConfig::SetConfigurationData(const std::string& name, const std::string& value) {
  EnsureLoaded();
  if (!loaded_) return;
  modified_ = true;
  bool found = false;
  for (size_t i = 0; i < userDataNames_.size() && !found; ++i)
    if (AnsiSameText(userDataNames_[i], name)) {
      userDataValues_[i] = value;
      found = true;
    }
  if (!found) {
    userDataNames_.push_back(name);
    userDataValues_.push_back(value);
  }
  FireOnConfigChanged(false);
}

void TQuillConfig::ResetConfigurationDefaults() {
  resetOnNextLoad_ = true;
  ReloadConfiguration();
}

void TQuillConfig::ReloadConfiguration() {
  if (!loaded_) return;
  SaveConfiguration();
  LoadConfiguration();
}

void TQuillConfig::SaveConfiguration() {
  if (!modified_ || !loaded_ || !owner_) return;
  OpenStore(true);
  // A configuration file is written once, with every value in place.
  if (ini_) ini_->BeginUpdate();
  if (storage_ != csNone) {
    WriteString("_FirstRun", "+");
    ReadWriteStringList("_Main", main_, false);
    ReadWriteStringList("_Custom", custom_, false);
    ReadWriteStringList("_MSWordCustom", msWordCustom_, false);
    WriteString("_ActiveCustom", activeCustom_);
    for (const OptionKey& k : kOptionKeys) WriteString(k.key, options_.Contains(k.option) ? "+" : "-");
    WriteString("_DialogX", std::to_string(dialogX_));
    WriteString("_DialogY", std::to_string(dialogY_));
    ReadWriteStringList("_NewPaths", newPaths_, false);
    TStringList names;
    names.Assign(userDataNames_);
    ReadWriteStringList("_UserData", names, false);
    for (size_t i = 0; i < userDataNames_.size(); ++i) WriteString("User_" + userDataNames_[i], userDataValues_[i]);
  }
  if (ini_ && !ini_->EndUpdate()) ini_.reset();
  modified_ = false;
  CloseStore();
  owner_->FireConfigSaved();
}

}  // namespace tq::spell
