#include "app/core/hotkey_value.h"

namespace tq::app {

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

}  // namespace tq::app
