// TQuillConfig: the user's spelling choices (active main and custom
// dictionaries, options, dialog position, extra dictionary folders, free
// name/value pairs), held for the engine component and kept in an INI-style
// file, a registry key or the application's callbacks. Every key lives in a
// section named by the expanded ConfigID, so one file serves several users.
// Without stored values (a first run) the component's defaults apply.
#pragma once

#include <memory>
#include <string>

#include "platform/ini_file.h"
#include "platform/key_store.h"
#include "spell/engine/spell_options.h"
#include "spell/engine/string_list.h"

namespace tq::spell {

class TQuillSpellBase;

class TQuillConfig {
 public:
  explicit TQuillConfig(TQuillSpellBase* owner);
  // Saves.
  virtual ~TQuillConfig();
  TQuillConfig(const TQuillConfig&) = delete;
  TQuillConfig& operator=(const TQuillConfig&) = delete;

  virtual void WriteActiveCustom(const std::string& name);
  virtual void WriteLoaded(bool loaded);
  virtual void WriteSpellOptions(TSpellOptions options);
  virtual void WriteDialogX(int x);
  virtual void WriteDialogY(int y);
  // The lists themselves; changes made to them are changes of the
  // configuration.
  virtual TStringList& ReadMainDictionaries();
  virtual TStringList& ReadCustomDictionaries();
  virtual TStringList& ReadMSWordCustomDictionaries();
  // Expanded with the component's macros.
  virtual std::string ReadActiveCustom();
  virtual TSpellOptions ReadSpellOptions();
  virtual int ReadDialogX();
  virtual int ReadDialogY();
  virtual TStringList& ReadNewDictionaryPaths();
  virtual void NotifyDictionariesChanged(void* Sender);
  virtual void FireOnConfigChanged(bool dictionaries);
  virtual void ReadWriteStringList(const std::string& name, TStringList& list, bool reading);
  virtual std::string ReadString(const std::string& key, const std::string& def);
  virtual void WriteString(const std::string& key, const std::string& value);
  virtual void LoadConfiguration();
  virtual void EnsureLoaded();
  virtual std::string GetConfigurationData(const std::string& name);
  virtual void SetConfigurationData(const std::string& name, const std::string& value);
  virtual void ResetConfigurationDefaults();
  virtual void ReloadConfiguration();
  virtual void SaveConfiguration();

  bool ReadLoaded() const { return loaded_; }
  bool ReadModified() const { return modified_; }
  // As stored, macros unexpanded.
  const std::string& ReadActiveCustomName() const { return activeCustom_; }
  // Fixed at the last load.
  TConfigStorage ReadStorage() const { return storage_; }
  const std::string& ReadExpandedConfigID() const { return configID_; }
  const std::string& ReadExpandedFilename() const { return filename_; }
  const std::string& ReadExpandedRegistryKey() const { return registryKey_; }

 private:
  void OpenStore(bool forWriting);
  void CloseStore();
  size_t ListEntryLimit(const std::string& name);

  TQuillSpellBase* owner_;
  bool loaded_ = false;
  bool modified_ = false;
  bool resetOnNextLoad_ = false;
  bool inLoad_ = false;
  TStringList main_, custom_, msWordCustom_, newPaths_;
  std::string activeCustom_;
  TSpellOptions options_;
  int dialogX_ = -1;
  int dialogY_ = -1;
  std::vector<std::string> userDataNames_, userDataValues_;

  TConfigStorage storage_ = csNone;
  std::string configID_, filename_, registryKey_;
  std::unique_ptr<platform::IniFile> ini_;
  std::unique_ptr<platform::Key> key_;
};

}  // namespace tq::spell
