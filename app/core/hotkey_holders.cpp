#include "app/core/hotkey_holders.h"

#include "app/core/hotkey_registration.h"
#include "library/hotkey_text.h"
#include "library/hotkey_value.h"

namespace tq::app {

std::string ReplyHotKeyName(std::string_view description) {
  return "the hotkey of the reply \"" + std::string(description) + "\"";
}

const HotKeyHolder* FindHotKeyHolder(const std::vector<HotKeyHolder>& holders, uint32_t value) {
  for (const HotKeyHolder& holder : holders)
    if (library::SameHotKeyCombination(holder.value, value)) return &holder;
  return nullptr;
}

std::string HotKeyTakenText(uint32_t value, const HotKeyHolder& holder) {
  return library::HotKeyText(value) + " is already " + holder.name + ".";
}

std::string ReplyHotKeyFailure(uint32_t value, std::string_view description, const HotKeyHolder* holder) {
  if (!holder) return HotKeyRegistrationFailure(value) + "\n\nIt is " + ReplyHotKeyName(description) + ".";
  return "Could not register the hotkey: " + library::HotKeyText(value) + "\n\nThe reply \"" +
         std::string(description) + "\" cannot have it: it is already " + holder->name +
         ". Please choose a different hotkey for one of them.";
}

}  // namespace tq::app
