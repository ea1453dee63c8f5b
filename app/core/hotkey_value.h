// The packed hotkey value shared by the settings, the reply field HotKey, the
// hotkey input boxes and the global hotkeys: the virtual-key code in bits 0-7
// and the modifiers Shift (0x2000), Ctrl (0x4000) and Alt (0x8000). It is kept
// in 32-bit integers of which only the low 16 bits count; 0 means none.
#pragma once

#include <cstdint>

namespace tq::app {

inline constexpr uint32_t kHotKeyShift = 0x2000;
inline constexpr uint32_t kHotKeyCtrl = 0x4000;
inline constexpr uint32_t kHotKeyAlt = 0x8000;

// The modifier flags RegisterHotKey takes (MOD_ALT, MOD_CONTROL, MOD_SHIFT).
inline constexpr unsigned kModAlt = 1;
inline constexpr unsigned kModControl = 2;
inline constexpr unsigned kModShift = 4;

// The value as it counts: its low 16 bits.
constexpr uint16_t HotKeyBits(uint32_t value) { return static_cast<uint16_t>(value & 0xFFFF); }

// The virtual-key code (bits 8-12, always 0 in a well-formed value, are
// ignored).
constexpr uint8_t HotKeyVirtualKey(uint32_t value) { return static_cast<uint8_t>(value & 0xFF); }

// What RegisterHotKey is given for a value.
struct HotKeyRegistrationKeys {
  unsigned modifiers = 0;    // kMod* flags
  unsigned virtual_key = 0;  // 0-255
  bool operator==(const HotKeyRegistrationKeys&) const = default;
};

// A value with no modifier is registered with Ctrl alone: a reply hotkey
// entered as the bare key F5 is shown as F5 but registered as Ctrl+F5.
HotKeyRegistrationKeys SplitHotKey(uint32_t value);

}  // namespace tq::app
