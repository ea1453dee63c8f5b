// The keyboard layout's name of a key, for keys whose names the program does
// not fix itself (punctuation keys, Num Lock, ...).
#pragma once

#include <cstdint>
#include <string>

namespace tq::platform {

// The name of the key with this virtual-key code as the keyboard layout gives
// it for the key's scan code; empty when the key has none or, off Windows,
// always.
std::string KeyboardKeyName(uint8_t virtual_key);

}  // namespace tq::platform
