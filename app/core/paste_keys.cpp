#include "app/core/paste_keys.h"

namespace tq::app {

void PasteKeys::Start(int max_wait_ticks) {
  pending_ = true;
  ticks_left_ = max_wait_ticks < 0 ? 0 : max_wait_ticks;
  released_.clear();
}

bool PasteKeys::Tick(const PasteKeyboard& keyboard) {
  if (!pending_) return false;
  std::vector<unsigned> held;
  for (unsigned vk : kPasteBlockingKeys) {
    if (keyboard.is_down(vk)) held.push_back(vk);
  }
  const bool ready = !keyboard.target_ready || keyboard.target_ready();
  if ((!held.empty() || !ready) && ticks_left_ > 0) {
    --ticks_left_;
    return false;
  }
  // The user is still holding them: release them for the target so that it
  // sees Ctrl+V alone.
  for (unsigned vk : held) {
    keyboard.send_key(vk, true);
    released_.push_back(vk);
  }
  keyboard.send_key(kVkControl, false);
  keyboard.send_key(kVkV, false);
  keyboard.send_key(kVkV, true);
  keyboard.send_key(kVkControl, true);
  pending_ = false;
  return true;
}

}  // namespace tq::app
