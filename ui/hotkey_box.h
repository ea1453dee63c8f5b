// HotKeyBox: the system hotkey input box ("msctls_hotkey32") speaking packed
// hotkey values (platform/packed_hotkey.h); 0 shows no key. The box can take any key,
// or refuse combinations a global hotkey should not use.
#pragma once

#include <windows.h>

#include <cstdint>

#include "ui/control.h"

namespace tq::ui {

enum class HotKeyRules {
  AnyKey,           // any key, with or without modifiers
  NeedsCtrlOrMore,  // a key alone, with Shift alone or with Alt alone is invalid
};

// Conversions between packed values and the box's own HOTKEYF_* form (the
// key in the low byte, the modifiers in the high byte). The extended-key
// flag is dropped on the way out and set for the keys that have it on the
// way in, so the box names Home as "Home" and not as its keypad twin.
uint16_t PackedFromHotKeyBox(WORD boxValue);
WORD HotKeyBoxFromPacked(uint32_t packed);

class HotKeyBox : public Control {
 public:
  void Create(Wnd& parent, const Rect& bounds, HotKeyRules rules = HotKeyRules::AnyKey, int id = 0);

  // The packed value shown now; 0 when the box shows no key.
  uint16_t Value() const;
  // Shows a packed value (its low 16 bits count); 0 clears the box.
  void SetValue(uint32_t packed);

 protected:
  // A combination left unfinished when the focus goes (Shift+Tab, Ctrl+Tab
  // out of the box: the modifier went down here, its key-up goes to the next
  // control) puts back the hotkey shown before it, and the box forgets the
  // modifiers it saw go down.
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  BYTE held_ = 0;            // HOTKEYF_* of the modifiers down while in the box
  bool unfinished_ = false;  // a modifier went down and no key followed yet
  WORD before_ = 0;          // the box's value when that modifier went down
};

}  // namespace tq::ui
