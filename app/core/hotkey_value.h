// The packed hotkey value (ui/core/packed_hotkey.h) as the program uses it:
// in the settings, the reply field HotKey, the hotkey input boxes and the
// global hotkeys.
#pragma once

#include <cstdint>

#include "ui/core/packed_hotkey.h"

namespace tq::app {

using ui::core::HotKeyBits;
using ui::core::HotKeyVirtualKey;
using ui::core::kHotKeyAlt;
using ui::core::kHotKeyCtrl;
using ui::core::kHotKeyShift;

// The modifier flags RegisterHotKey takes (MOD_ALT, MOD_CONTROL, MOD_SHIFT).
inline constexpr unsigned kModAlt = 1;
inline constexpr unsigned kModControl = 2;
inline constexpr unsigned kModShift = 4;

// What RegisterHotKey is given for a value.
struct HotKeyRegistrationKeys {
  unsigned modifiers = 0;    // kMod* flags
  unsigned virtual_key = 0;  // 0-255
  bool operator==(const HotKeyRegistrationKeys&) const = default;
};

// A value with no modifier is registered with Ctrl alone: a reply hotkey
// entered as the bare key F5 is shown as F5 but registered as Ctrl+F5.
HotKeyRegistrationKeys SplitHotKey(uint32_t value);
// The packed value of what RegisterHotKey was given, as WM_HOTKEY reports
// the combination pressed (modifiers in the low word, key in the high one).
uint16_t JoinHotKey(HotKeyRegistrationKeys keys);

}  // namespace tq::app
