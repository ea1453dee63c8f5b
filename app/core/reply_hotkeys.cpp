#include "app/core/reply_hotkeys.h"

namespace tq::app {

void MoveReplyHotKeys(const std::vector<int>& old_indexes, int delta, const std::function<void(int id)>& unregister,
                      const HotKeyRegistrar& registrar, const std::function<int32_t(int new_index)>& hotkey_of) {
  for (int index : old_indexes) unregister(ReplyHotKeyId(index));
  for (int index : old_indexes) {
    const int moved = index + delta;
    RegisterGlobalHotKey(registrar, static_cast<uint32_t>(hotkey_of(moved)), ReplyHotKeyId(moved));
  }
}

}  // namespace tq::app
