// What a window system shows for the engine. The engine calls its owner's
// check-run interface (the spelling dialogs) and live interface (live
// spelling) where it would show something; without them it shows nothing
// and only tells its events, so a run can be driven by its commands alone.
#pragma once

#include <string>

#include "spell/engine/spell_popup_menu.h"

namespace tq::spell {

class TCustomDictionary;

// The check run's dialog, end message and busy cursor, and the options and
// dictionary dialogs.
class TCheckRunUI {
 public:
  virtual ~TCheckRunUI() = default;
  // At each stop (and at the start with DialogShowImmediate): the dialog.
  virtual void EnsureUI() = 0;
  // At the run's end: the dialog goes.
  virtual void ShutdownUI() = 0;
  // The run stopped at a word; the engine's OnPromptWord is told after.
  virtual void PromptWord() = 0;
  // The run ended; the engine's OnShowEndMessage, if set, stands in for the
  // message.
  virtual void ShowEndMessage() = 0;
  virtual void ShowHourglass(bool on) = 0;
  // The dialogs of the engine's Setup entry points, shown when no handler
  // of the matching event is set.
  virtual void Setup(void* Owner) = 0;
  virtual void SetupCustomDictionaries(void* Owner) = 0;
  virtual void EditCustomDictionary(void* Owner, TCustomDictionary* Dictionary) = 0;
  // The folder the user chose; empty when none.
  virtual std::string SetupAddDictionaryDir(void* Owner) = 0;
};

// Live spelling's part: the spelling menu on the screen, and the live
// switches as the engine's options set them.
class TLiveUI {
 public:
  virtual ~TLiveUI() = default;
  // Shows the menu at the screen point and returns once it closed, its
  // clicked item having gone through the engine's PopupMenuHook.
  virtual void PresentPopupMenu(TSpellPopupMenu& Menu, int X, int Y) = 0;
  // The engine's LiveSpelling or LiveCorrect changed.
  virtual void LiveSpellingChanged(bool on) = 0;
  virtual void LiveCorrectChanged(bool on) = 0;
  // The engine read its options again (not while loading).
  virtual void OptionsResynched(bool force) = 0;
};

}  // namespace tq::spell
