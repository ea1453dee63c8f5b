// Where TFormEnhance keeps a form's placement: the text values "Left", "Top",
// "Right" and "Bottom" (decimal) and "Maximized" ("1" or "0") in the key
// HKEY_CURRENT_USER\<SaveName>\<SaveKey>, or in the section SaveKey of the
// INI file SaveName in the program's folder. The main window's placement
// lives under SettingsKeyPath\WS.
#pragma once

#include <string>

#include "ui/core/form_placement.h"
#include "platform/env.h"
#include "platform/key_store.h"

namespace tq::ui::core {

class PlacementStore {
 public:
  // program_folder: where the INI file lives.
  PlacementStore(platform::KeyStore& keys, platform::Env& env, std::string program_folder);

  std::string SaveName = "\\Software\\Company\\Application";
  std::string SaveKey;  // the owner form's name + " Placement" by default
  bool UseIniFile = false;
  bool SaveSize = false;  // "Right" and "Bottom" are written and read only with it

  // Writes the normal rectangle and the maximized flag; false when SaveName
  // or SaveKey is empty or the storage cannot be written.
  bool Store(const Placement& placement);
  // Reads what is there; every value missing or not an integer is none. An
  // empty SaveName or SaveKey reads nothing.
  StoredPlacement Read();

 private:
  platform::KeyStore& keys_;
  platform::Env& env_;
  std::string program_folder_;
};

}  // namespace tq::ui::core
