#include "app/core/paste_keys.h"

namespace tq::app {

std::string_view NotPastedMessage(PasteOutcome outcome) {
  switch (outcome) {
    case PasteOutcome::TargetGone:
      return "The window to insert into has closed, so nothing was pasted.\n\n"
             "The reply is on the clipboard: press Ctrl+V where you want it.";
    case PasteOutcome::TargetNotInFront:
      return "The window to insert into did not come to the front, so nothing was pasted.\n\n"
             "The reply is on the clipboard: press Ctrl+V where you want it.";
    case PasteOutcome::ClipboardChanged:
      return "Another program changed the clipboard before the paste, so nothing was pasted.";
    case PasteOutcome::Waiting:
    case PasteOutcome::Sent:
    case PasteOutcome::Idle:
      break;
  }
  return {};
}

void PasteKeys::Start(int max_wait_ticks) {
  pending_ = true;
  ticks_left_ = max_wait_ticks < 0 ? 0 : max_wait_ticks;
  released_.clear();
}

PasteOutcome PasteKeys::Tick(const PasteKeyboard& keyboard) {
  if (!pending_) return PasteOutcome::Idle;
  const TargetState target = keyboard.target_state ? keyboard.target_state() : TargetState::Ready;
  if (target == TargetState::Gone) {
    // Whatever Windows activated next would receive the keys.
    pending_ = false;
    return PasteOutcome::TargetGone;
  }
  std::vector<unsigned> held;
  for (unsigned vk : kPasteBlockingKeys) {
    if (keyboard.is_down(vk)) held.push_back(vk);
  }
  if (!held.empty() || target != TargetState::Ready) {
    if (ticks_left_ > 0) {
      --ticks_left_;
      return PasteOutcome::Waiting;
    }
    if (target != TargetState::Ready) {
      pending_ = false;
      return PasteOutcome::TargetNotInFront;
    }
  }
  pending_ = false;
  if (keyboard.clipboard_holds_reply && !keyboard.clipboard_holds_reply()) return PasteOutcome::ClipboardChanged;
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
  return PasteOutcome::Sent;
}

}  // namespace tq::app
