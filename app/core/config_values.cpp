#include "app/core/config_values.h"

#include "library/hotkey_value.h"

namespace tq::app {

ConfigValues ConfigValuesOf(const Settings& settings) {
  return {.MainHotKey = library::HotKeyBits(static_cast<uint32_t>(settings.MainHotKey)),
          .MenuHotKey = library::HotKeyBits(static_cast<uint32_t>(settings.MenuHotKey)),
          .SaveFormat = settings.SaveFormat,
          .DefaultWithFormat = settings.DefaultWithFormat,
          .HideAfterInsert = settings.HideAfterInsert,
          .ShowHotkeyInTree = settings.ShowHotkeyInTree,
          .AutoExpandTree = settings.AutoExpandTree,
          .LiveSpelling = settings.LiveSpelling,
          .SearchHotKey = library::HotKeyBits(static_cast<uint32_t>(settings.SearchHotKey)),
          .RestoreClipboard = settings.RestoreClipboard,
          .PasteMethods = settings.PasteMethods};
}

bool ApplyConfigValues(const ConfigValues& values, Settings& settings) {
  const bool treeTextsChange = values.ShowHotkeyInTree != settings.ShowHotkeyInTree;
  settings.MainHotKey = values.MainHotKey;
  settings.MenuHotKey = values.MenuHotKey;
  settings.SearchHotKey = values.SearchHotKey;
  settings.SearchHotKeyChosen = true;
  settings.SaveFormat = values.SaveFormat;
  settings.DefaultWithFormat = values.DefaultWithFormat;
  settings.HideAfterInsert = values.HideAfterInsert;
  settings.ShowHotkeyInTree = values.ShowHotkeyInTree;
  settings.AutoExpandTree = values.AutoExpandTree;
  settings.LiveSpelling = values.LiveSpelling;
  settings.RestoreClipboard = values.RestoreClipboard;
  settings.PasteMethods = values.PasteMethods;
  return treeTextsChange;
}

}  // namespace tq::app
