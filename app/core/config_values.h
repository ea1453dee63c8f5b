// What the configuration dialog edits, and how it comes from and goes back
// into the main window's settings.
#pragma once

#include <cstdint>

#include "app/core/settings.h"

namespace tq::app {

// Hotkeys are packed hotkey values (low 16 bits).
struct ConfigValues {
  int32_t MainHotKey = 0;
  int32_t MenuHotKey = 0;
  bool SaveFormat = true;
  bool DefaultWithFormat = true;
  bool HideAfterInsert = true;
  bool ShowHotkeyInTree = false;
  bool AutoExpandTree = false;
  bool LiveSpelling = true;
  int32_t SearchHotKey = 0;
  bool RestoreClipboard = false;
  std::vector<PasteMethodRule> PasteMethods;  // the user's, in their order
  // The current user's Run value names this program: not one of the
  // settings, so the two functions below leave it alone.
  bool StartWithWindows = false;
  bool operator==(const ConfigValues&) const = default;
};

// The values the dialog opens with.
ConfigValues ConfigValuesOf(const Settings& settings);

// Copies the values the dialog closed with into the settings; the search
// hotkey counts as chosen from then on, even when left at the default. True when
// ShowHotkeyInTree changed, so the tree (and the popup menu built from it)
// must be rebuilt to show the new reply texts.
bool ApplyConfigValues(const ConfigValues& values, Settings& settings);

}  // namespace tq::app
