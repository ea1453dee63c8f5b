#include "library/hotkey_value.h"

#include <cstddef>

namespace tq::library {

HotKeyRegistrationKeys SplitHotKey(uint32_t value) {
  HotKeyRegistrationKeys keys;
  keys.virtual_key = HotKeyVirtualKey(value);
  if (value & kHotKeyAlt) keys.modifiers |= kModAlt;
  if (value & kHotKeyCtrl) keys.modifiers |= kModControl;
  if (value & kHotKeyShift) keys.modifiers |= kModShift;
  // A global hotkey on a bare key would swallow that key everywhere.
  if (keys.modifiers == 0) keys.modifiers = kModControl;
  return keys;
}

uint16_t JoinHotKey(HotKeyRegistrationKeys keys) {
  uint32_t value = keys.virtual_key & 0xFF;
  if (keys.modifiers & kModAlt) value |= kHotKeyAlt;
  if (keys.modifiers & kModControl) value |= kHotKeyCtrl;
  if (keys.modifiers & kModShift) value |= kHotKeyShift;
  return HotKeyBits(value);
}

bool SameHotKeyCombination(uint32_t a, uint32_t b) {
  if (HotKeyBits(a) == 0 || HotKeyBits(b) == 0) return false;
  return SplitHotKey(a) == SplitHotKey(b);
}

std::vector<HotKeyClash> FindHotKeyClashes(const std::vector<uint32_t>& hotkeys) {
  std::vector<HotKeyClash> clashes;
  for (size_t later = 0; later < hotkeys.size(); ++later)
    for (size_t first = 0; first < later; ++first)
      if (SameHotKeyCombination(hotkeys[first], hotkeys[later])) {
        clashes.push_back({static_cast<int>(first), static_cast<int>(later)});
        break;
      }
  return clashes;
}

}  // namespace tq::library
