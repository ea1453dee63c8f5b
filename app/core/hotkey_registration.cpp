#include "app/core/hotkey_registration.h"

#include "library/hotkey_text.h"
#include "library/hotkey_value.h"

namespace tq::app {

std::string HotKeyRegistrationFailure(uint32_t value) {
  return "Could not register the hotkey: " + library::HotKeyText(value) +
         "\n\nPlease choose a different hotkey that is not used by another application on your system.";
}

bool RegisterGlobalHotKey(const HotKeyRegistrar& registrar, uint32_t value, int id) {
  if (library::HotKeyBits(value) == 0) return true;
  library::HotKeyRegistrationKeys keys = library::SplitHotKey(value);
  if (registrar.register_hot_key && registrar.register_hot_key(id, keys.modifiers, keys.virtual_key)) return true;
  if (registrar.show_error) registrar.show_error(HotKeyRegistrationFailure(value));
  return false;
}

bool RegisterSearchHotKey(const HotKeyRegistrar& registrar, int32_t& value, bool chosen) {
  if (chosen) return RegisterGlobalHotKey(registrar, static_cast<uint32_t>(value), kSearchHotKeyId);
  const HotKeyRegistrar quiet{registrar.register_hot_key, {}};
  if (RegisterGlobalHotKey(quiet, static_cast<uint32_t>(value), kSearchHotKeyId)) return true;
  value = 0;
  return false;
}

}  // namespace tq::app
