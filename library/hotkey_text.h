// The text form of a packed hotkey value ("Shift+Ctrl+R", "Alt+F5"), shown in
// the reply tree and in error messages, and its reading back for the
// command-line tool.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace tq::library {

// Names a key outside the program's own table, given its virtual-key code.
using KeyNameFn = std::function<std::string(uint8_t virtual_key)>;

// "Shift+", "Ctrl+" and "Alt+", in this order, for the modifiers that are set,
// then the key's name: BkSp, Tab, Enter, Esc, Space, PgUp, PgDn, End, Home,
// Left, Up, Right, Down, Ins, Del, 0-9 (main row and numeric keypad alike),
// A-Z, F1-F24, and for any other key the keyboard layout's name. Empty, with
// no prefixes, for 0 and for a key that has no name.
std::string HotKeyText(uint32_t value);
// The same with other_key_name naming the keys outside the table.
std::string HotKeyText(uint32_t value, const KeyNameFn& other_key_name);

// Reads what HotKeyText writes, in any letter case: the modifiers Shift, Ctrl
// (also Control or Ctl) and Alt, each at most once and in any order, joined
// by '+' to one key name of the table above ("Ctrl+Alt+R", "shift+ctrl+f5",
// "F5"). Digits give the main-row keys. Anything else fails with a message
// saying what is wrong; *value is then left alone.
platform::Status ParseHotKeyText(std::string_view text, uint16_t* value);

}  // namespace tq::library
