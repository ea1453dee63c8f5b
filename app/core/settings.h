// The main window's settings: its options, its three global hotkeys, the height
// of the tree pane and the last library file, kept as values directly in the
// settings key (SettingsKeyPath) of the per-user key store. Unreadable values
// fall back to their defaults; nothing here ever reports an error.
#pragma once

#include <cstdint>
#include <string>

#include "app/core/paste_method.h"
#include "platform/key_store.h"

namespace tq::app {

// Height in pixels of the tree pane (TopPanel) when "Split" is not stored.
inline constexpr int32_t kDefaultSplit = 152;
// The reply search hotkey of a first start: Ctrl+Alt+Space.
inline constexpr int32_t kDefaultSearchHotKey = 0x4000 | 0x8000 | 0x20;

// Defaults are those of a first start.
struct Settings {
  std::string MRUFileName;        // library file open at the last save; empty: none
  int32_t MainHotKey = 0;         // packed hotkey value (low 16 bits), 0 for none
  int32_t MenuHotKey = 0;         // packed hotkey value (low 16 bits), 0 for none
  int32_t Split = kDefaultSplit;  // stored as read, without any range check
  bool SaveFormat = true;
  bool DefaultWithFormat = true;
  bool HideAfterInsert = true;
  bool ShowHotkeyInTree = false;
  bool AutoExpandTree = false;
  bool LiveSpelling = true;
  bool ShowTrayReminder = true;
  // Opens the reply search; 0 for none. Until the user chooses one the
  // default is offered quietly: SearchHotKeyChosen is off, and a refusal of
  // the default (another program has it) is not reported but leaves none.
  int32_t SearchHotKey = kDefaultSearchHotKey;
  bool SearchHotKeyChosen = false;  // "SearchHotKey" was stored
  // Puts the user's clipboard back once the target has read a pasted reply.
  bool RestoreClipboard = false;
  // The user's paste method per program, before the built-in ones
  // ("PasteMethods", FormatPasteMethodRules' string).
  std::vector<PasteMethodRule> PasteMethods;
};

// The defaults, overridden by each value that is stored with the right type
// (strings for "MRUFileName", integers for the rest; a flag is on when not 0).
// Creates the settings key when it is missing.
Settings LoadSettings(platform::KeyStore& store);

// Whether the start-up shows the tray reminder: it is wanted, there is a
// hotkey to bring the program back, and a library will be opened (so the
// program is about to vanish into the tray).
bool TrayReminderDue(const Settings& settings);

// Writes the values in their fixed order: the eleven of every version, then
// "RestoreClipboard" and "PasteMethods", then "SearchHotKey" once chosen. "MRUFileName" records the
// library file open now (empty when none) and "Split" the tree pane's current
// height, both given here rather than taken from settings. The first failing
// write ends the saving; the result says whether everything was written.
bool SaveSettings(platform::KeyStore& store, const Settings& settings, const std::string& open_library_path,
                  int32_t split);

}  // namespace tq::app
