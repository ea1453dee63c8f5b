#include "app/core/settings.h"

#include <string>

#include "app/core/app_identity.h"

namespace tq::app {
namespace {

std::unique_ptr<platform::Key> OpenSettingsKey(platform::KeyStore& store) {
  return store.Open(platform::KeyRoot::CurrentUser, std::string(SettingsKeyPath), /*create=*/true);
}

void ReadFlag(platform::Key& key, const char* name, bool* flag) {
  if (auto v = key.ReadBool(name)) *flag = *v;
}

void ReadInteger(platform::Key& key, const char* name, int32_t* value) {
  if (auto v = key.ReadInteger(name)) *value = *v;
}

}  // namespace

Settings LoadSettings(platform::KeyStore& store) {
  Settings s;
  auto key = OpenSettingsKey(store);
  if (!key) return s;
  // Each value stands on its own: a missing or wrongly typed one keeps its default.
  if (auto v = key->ReadString("MRUFileName")) s.MRUFileName = *v;
  ReadInteger(*key, "MainHotKey", &s.MainHotKey);
  ReadInteger(*key, "MenuHotKey", &s.MenuHotKey);
  ReadInteger(*key, "Split", &s.Split);
  ReadFlag(*key, "SaveFormat", &s.SaveFormat);
  ReadFlag(*key, "DefaultWithFormat", &s.DefaultWithFormat);
  ReadFlag(*key, "HideAfterInsert", &s.HideAfterInsert);
  ReadFlag(*key, "ShowHotkeyInTree", &s.ShowHotkeyInTree);
  ReadFlag(*key, "AutoExpandTree", &s.AutoExpandTree);
  ReadFlag(*key, "LiveSpelling", &s.LiveSpelling);
  ReadFlag(*key, "ShowTrayReminder", &s.ShowTrayReminder);
  ReadFlag(*key, "RestoreClipboard", &s.RestoreClipboard);
  if (auto v = key->ReadString("PasteMethods")) s.PasteMethods = ParsePasteMethodRules(*v);
  if (auto v = key->ReadInteger("SearchHotKey")) {
    s.SearchHotKey = *v;
    s.SearchHotKeyChosen = true;
  }
  return s;
}

bool SaveSettings(platform::KeyStore& store, const Settings& s, const std::string& open_library_path, int32_t split) {
  auto key = OpenSettingsKey(store);
  if (!key) return false;
  return key->WriteString("MRUFileName", open_library_path) && key->WriteInteger("MainHotKey", s.MainHotKey) &&
         key->WriteInteger("MenuHotKey", s.MenuHotKey) && key->WriteInteger("Split", split) &&
         key->WriteBool("SaveFormat", s.SaveFormat) && key->WriteBool("DefaultWithFormat", s.DefaultWithFormat) &&
         key->WriteBool("HideAfterInsert", s.HideAfterInsert) &&
         key->WriteBool("ShowHotkeyInTree", s.ShowHotkeyInTree) && key->WriteBool("AutoExpandTree", s.AutoExpandTree) &&
         key->WriteBool("LiveSpelling", s.LiveSpelling) && key->WriteBool("ShowTrayReminder", s.ShowTrayReminder) &&
         key->WriteBool("RestoreClipboard", s.RestoreClipboard) &&
         key->WriteString("PasteMethods", FormatPasteMethodRules(s.PasteMethods)) &&
         (!s.SearchHotKeyChosen || key->WriteInteger("SearchHotKey", s.SearchHotKey));
}

bool TrayReminderDue(const Settings& settings) {
  return settings.ShowTrayReminder && (settings.MainHotKey != 0 || settings.MenuHotKey != 0) &&
         !settings.MRUFileName.empty();
}

}  // namespace tq::app
