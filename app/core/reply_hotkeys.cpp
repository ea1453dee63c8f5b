#include "app/core/reply_hotkeys.h"

#include "library/hotkey_value.h"

namespace tq::app {

uint32_t RegisterReplyHotKey(const HotKeyRegistrar& registrar, uint32_t value, std::string_view description, int index,
                             const std::vector<HotKeyHolder>& holders) {
  if (library::HotKeyBits(value) == 0) return 0;
  const library::HotKeyRegistrationKeys keys = library::SplitHotKey(value);
  if (registrar.register_hot_key && registrar.register_hot_key(ReplyHotKeyId(index), keys.modifiers, keys.virtual_key))
    return value;
  if (registrar.show_error)
    registrar.show_error(ReplyHotKeyFailure(value, description, FindHotKeyHolder(holders, value)));
  return 0;
}

void MoveReplyHotKeys(const std::vector<int>& old_indexes, int delta, const std::function<void(int id)>& unregister,
                      const HotKeyRegistrar& registrar, const std::function<int32_t(int new_index)>& hotkey_of) {
  for (int index : old_indexes) unregister(ReplyHotKeyId(index));
  for (int index : old_indexes) {
    const int moved = index + delta;
    RegisterGlobalHotKey(registrar, static_cast<uint32_t>(hotkey_of(moved)), ReplyHotKeyId(moved));
  }
}

}  // namespace tq::app
