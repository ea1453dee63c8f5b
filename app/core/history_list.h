// THistoryList: the most-recently-used list of library files kept as the
// last items of a menu (the main window's "&ReOpen" submenu), most recent
// first, stored as values "File<n>" (full path) and "Name<n>" (caption) under
// HKEY_CURRENT_USER\<RegPath>\<RegKey> or in an INI file's section <RegKey>.
// A click on an entry is reported with its full path.
//
// Loading happens when RegPath, RegKey or the base menu is set, once MaxItems
// has been set at least once, the menu is there and RegPath is neither empty
// nor the placeholder "Company\Program Name". Saving happens only on Save().
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/core/menu_items.h"
#include "platform/env.h"
#include "platform/key_store.h"

namespace tq::ui::core {
class ValueSection;
}

namespace tq::app {

using ui::core::ValueSection;

class THistoryList {
 public:
  using ClickEvent = std::function<void(THistoryList& sender, const std::string& filename)>;

  static constexpr const char* kDefaultRegPath = "Company\\Program Name";
  static constexpr int kDefaultMaxItems = 5;

  // windows_folder: where an INI file given by a bare name lives.
  THistoryList(platform::KeyStore& keys, platform::Env& env, std::string windows_folder = "");

  const std::string& RegPath() const { return reg_path_; }
  void SetRegPath(std::string path);
  const std::string& RegKey() const { return reg_key_; }
  void SetRegKey(std::string key);
  bool UseIniFile() const { return use_ini_file_; }
  void SetUseIniFile(bool use) { use_ini_file_ = use; }
  // A menu given once stays; later calls and null are ignored. A menu with no
  // items first gets the disabled placeholder "(none)".
  void SetBaseMenu(MenuItems* menu);
  int MaxItems() const { return max_items_; }
  // 0 or below means 5. Entries beyond the new maximum are deleted at once.
  void SetMaxItems(int max_items);
  bool Directories() const { return directories_; }
  void SetDirectories(bool directories) { directories_ = directories; }
  int HelpContext() const { return help_context_; }
  void SetHelpContext(int help_context);
  ClickEvent OnClick;

  // Puts an existing file (or folder, with Directories) at the top: a path
  // already listed, compared exactly, moves up; a new one enters and, when
  // the list is full, the oldest falls off. The caption is the path's file
  // name; name is not used. Empty or missing paths change nothing.
  void AddFilename(const std::string& path, const std::string& name = "");
  int GetCount() const;
  // Entry i, 0 the most recent.
  std::optional<MenuItemData> GetItem(int i) const;
  // Writes every entry and deletes the stored ones beyond them. An empty list
  // writes nothing.
  void Save();
  // The Win32 side calls this when the menu item at menu_index was chosen.
  void ItemClicked(int menu_index);

 private:
  bool StorageNamed() const;
  std::unique_ptr<ValueSection> OpenStorage(bool create);
  void Load();
  bool Exists(const std::string& path);

  platform::KeyStore& keys_;
  platform::Env& env_;
  std::string windows_folder_;
  std::string reg_path_ = kDefaultRegPath;
  std::string reg_key_ = "MRUList";
  bool use_ini_file_ = false;
  MenuItems* menu_ = nullptr;
  int max_items_ = kDefaultMaxItems;
  bool directories_ = false;
  int help_context_ = 0;
  int first_entry_ = -1;  // menu position of entry 0; -1 until one is added
  bool ready_ = false;    // MaxItems has been set
};

}  // namespace tq::app
