#include "app/core/hotkey_holders.h"

#include "app/core/hotkey_registration.h"
#include "app/core/hotkey_text.h"
#include "app/core/hotkey_value.h"

namespace tq::app {

std::string ReplyHotKeyName(std::string_view description) {
  return "the hotkey of the reply \"" + std::string(description) + "\"";
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

const HotKeyHolder* FindHotKeyHolder(const std::vector<HotKeyHolder>& holders, uint32_t value) {
  for (const HotKeyHolder& holder : holders)
    if (SameHotKeyCombination(holder.value, value)) return &holder;
  return nullptr;
}

std::string HotKeyTakenText(uint32_t value, const HotKeyHolder& holder) {
  return HotKeyText(value) + " is already " + holder.name + ".";
}

std::string ReplyHotKeyFailure(uint32_t value, std::string_view description, const HotKeyHolder* holder) {
  if (!holder) return HotKeyRegistrationFailure(value) + "\n\nIt is " + ReplyHotKeyName(description) + ".";
  return "Could not register the hotkey: " + HotKeyText(value) + "\n\nThe reply \"" + std::string(description) +
         "\" cannot have it: it is already " + holder->name + ". Please choose a different hotkey for one of them.";
}

}  // namespace tq::app
