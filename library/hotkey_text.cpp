#include "library/hotkey_text.h"

#include <array>
#include <optional>
#include <vector>

#include "library/hotkey_value.h"
#include "platform/key_name.h"

namespace tq::library {
namespace {

constexpr uint8_t kFirstKeypadDigit = 96;
constexpr uint8_t kLastKeypadDigit = 105;

// The program's own key names; empty for keys left to the keyboard layout.
std::string TableKeyName(uint8_t vk) {
  static constexpr std::array<const char*, 9> kFrom32 = {"Space", "PgUp", "PgDn",  "End", "Home",
                                                         "Left",  "Up",   "Right", "Down"};
  switch (vk) {
    case 8:
      return "BkSp";
    case 9:
      return "Tab";
    case 13:
      return "Enter";
    case 27:
      return "Esc";
    case 45:
      return "Ins";
    case 46:
      return "Del";
    default:
      break;
  }
  if (vk >= 32 && vk <= 40) return kFrom32[vk - 32];
  if (vk >= '0' && vk <= '9') return std::string(1, static_cast<char>(vk));
  if (vk >= 'A' && vk <= 'Z') return std::string(1, static_cast<char>(vk));
  if (vk >= kFirstKeypadDigit && vk <= kLastKeypadDigit) return std::string(1, static_cast<char>('0' + vk - 96));
  if (vk >= 112 && vk <= 135) return std::string("F").append(std::to_string(vk - 111));
  return "";
}

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::optional<uint32_t> ModifierBit(std::string_view word) {
  if (SameLetters(word, "Shift")) return kHotKeyShift;
  if (SameLetters(word, "Ctrl") || SameLetters(word, "Control") || SameLetters(word, "Ctl")) return kHotKeyCtrl;
  if (SameLetters(word, "Alt")) return kHotKeyAlt;
  return std::nullopt;
}

std::optional<uint8_t> KeyOfName(std::string_view name) {
  for (int vk = 1; vk < 256; ++vk) {
    // The keypad digits read as the main-row ones.
    if (vk >= kFirstKeypadDigit && vk <= kLastKeypadDigit) continue;
    std::string known = TableKeyName(static_cast<uint8_t>(vk));
    if (!known.empty() && SameLetters(known, name)) return static_cast<uint8_t>(vk);
  }
  return std::nullopt;
}

std::string Quoted(std::string_view s) { return std::string("\"").append(s).append("\""); }

}  // namespace

std::string HotKeyText(uint32_t value) { return HotKeyText(value, platform::KeyboardKeyName); }

std::string HotKeyText(uint32_t value, const KeyNameFn& other_key_name) {
  uint8_t vk = HotKeyVirtualKey(value);
  if (vk == 0) return "";
  std::string name = TableKeyName(vk);
  if (name.empty() && other_key_name) name = other_key_name(vk);
  if (name.empty()) return "";
  std::string text;
  if (value & kHotKeyShift) text += "Shift+";
  if (value & kHotKeyCtrl) text += "Ctrl+";
  if (value & kHotKeyAlt) text += "Alt+";
  return text + name;
}

platform::Status ParseHotKeyText(std::string_view text, uint16_t* value) {
  using platform::Status;
  if (text.empty()) return Status::Error("The hotkey is empty; write it as, for example, Ctrl+Alt+R.");
  std::vector<std::string_view> parts;
  for (size_t start = 0;;) {
    size_t plus = text.find('+', start);
    parts.push_back(text.substr(start, plus == std::string_view::npos ? std::string_view::npos : plus - start));
    if (plus == std::string_view::npos) break;
    start = plus + 1;
  }
  uint32_t modifiers = 0;
  for (size_t i = 0; i + 1 < parts.size(); ++i) {
    if (parts[i].empty()) return Status::Error("The hotkey " + Quoted(text) + " has an empty part between its '+'.");
    auto bit = ModifierBit(parts[i]);
    if (!bit)
      return Status::Error("Unknown modifier " + Quoted(parts[i]) + " in the hotkey " + Quoted(text) +
                           "; the modifiers are Shift, Ctrl and Alt.");
    if (modifiers & *bit) return Status::Error("The hotkey " + Quoted(text) + " names " + Quoted(parts[i]) + " twice.");
    modifiers |= *bit;
  }
  std::string_view key_name = parts.back();
  if (key_name.empty()) return Status::Error("The hotkey " + Quoted(text) + " ends without a key after its '+'.");
  auto key = KeyOfName(key_name);
  if (!key) {
    if (ModifierBit(key_name))
      return Status::Error("The hotkey " + Quoted(text) + " has no key after its modifiers, as in Ctrl+Alt+R.");
    return Status::Error("Unknown key " + Quoted(key_name) + " in the hotkey " + Quoted(text) +
                         "; the keys are A-Z, 0-9, F1-F24, Space, Enter, Tab, Esc, BkSp, Ins, Del, Home, End, "
                         "PgUp, PgDn, Left, Right, Up and Down.");
  }
  *value = static_cast<uint16_t>(modifiers | *key);
  return Status::Ok();
}

}  // namespace tq::library
