// The packed hotkey value that the toolkit's hotkey input box speaks and that
// the program stores (settings, a reply's HotKey field): the virtual-key code in bits 0-7 and the
// modifiers Shift (0x2000), Ctrl (0x4000) and Alt (0x8000). It is kept in
// 32-bit integers of which only the low 16 bits count; 0 means none.
#pragma once

#include <cstdint>

namespace tq::platform {

inline constexpr uint32_t kHotKeyShift = 0x2000;
inline constexpr uint32_t kHotKeyCtrl = 0x4000;
inline constexpr uint32_t kHotKeyAlt = 0x8000;

// The value as it counts: its low 16 bits.
constexpr uint16_t HotKeyBits(uint32_t value) { return static_cast<uint16_t>(value & 0xFFFF); }

// The virtual-key code (bits 8-12, always 0 in a well-formed value, are
// ignored).
constexpr uint8_t HotKeyVirtualKey(uint32_t value) { return static_cast<uint8_t>(value & 0xFF); }

}  // namespace tq::platform
