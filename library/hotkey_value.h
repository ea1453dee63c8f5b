// The packed hotkey value (platform/packed_hotkey.h) as the program uses it:
// in the settings, the reply field HotKey, the hotkey input boxes and the
// global hotkeys.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/packed_hotkey.h"

namespace tq::library {

using platform::HotKeyBits;
using platform::HotKeyVirtualKey;
using platform::kHotKeyAlt;
using platform::kHotKeyCtrl;
using platform::kHotKeyShift;

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

// Whether Windows takes two values for one combination: a bare key is
// registered with Ctrl, so F5 and Ctrl+F5 are one. 0 is no combination.
bool SameHotKeyCombination(uint32_t a, uint32_t b);

// A reply whose hotkey's combination an earlier reply of the library has:
// a rebuild gives the combination to the earlier one only.
struct HotKeyClash {
  int holder = 0;  // reply index of the first reply with the combination
  int loser = 0;   // reply index of a later one
  bool operator==(const HotKeyClash&) const = default;
};
// The clashes among hotkeys given by reply index, in the order of the
// losers.
std::vector<HotKeyClash> FindHotKeyClashes(const std::vector<uint32_t>& hotkeys);

}  // namespace tq::library
