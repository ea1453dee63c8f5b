#include "app/core/paste_keys.h"

#include <algorithm>
#include <utility>

namespace tq::app {

std::string_view NotPastedMessage(PasteOutcome outcome) {
  switch (outcome) {
    case PasteOutcome::TargetGone:
      return "The window to insert into has closed, so nothing was pasted.\n\n"
             "The reply is on the clipboard: press Ctrl+V where you want it.";
    case PasteOutcome::TargetNotInFront:
      return "The window to insert into did not come to the front, so nothing was pasted.\n\n"
             "The reply is on the clipboard: press Ctrl+V where you want it.";
    case PasteOutcome::TargetElevated:
      return "The window to insert into belongs to a program running with more rights than Tavrin Quillet "
             "(as administrator), and Windows would not let the keys through, so nothing was pasted.\n\n"
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

void PasteKeys::Start(int max_wait_ticks, std::vector<PasteKeyEvent> keys) {
  pending_ = true;
  sending_ = false;
  keys_ = std::move(keys);
  next_key_ = 0;
  ctrlBlocks_ = std::none_of(keys_.begin(), keys_.end(), [](const PasteKeyEvent& k) {
    return k.kind == PasteKeyEvent::Kind::Virtual && k.code == kVkControl;
  });
  ticks_left_ = max_wait_ticks < 0 ? 0 : max_wait_ticks;
  released_.clear();
}

PasteOutcome PasteKeys::Tick(const PasteKeyboard& keyboard) {
  if (!pending_) return PasteOutcome::Idle;
  // Once begun, a sequence is finished whatever happens: a key left down
  // would stay down.
  if (sending_) return SendDueKeys(keyboard);
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
  if (ctrlBlocks_ && keyboard.is_down(kVkControl)) held.push_back(kVkControl);
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
  if (keyboard.target_refuses_keys && keyboard.target_refuses_keys()) return PasteOutcome::TargetElevated;
  if (keyboard.clipboard_holds_reply && !keyboard.clipboard_holds_reply()) return PasteOutcome::ClipboardChanged;
  if (keyboard.sync_key_state) keyboard.sync_key_state();
  // The user is still holding them: release them for the target so that it
  // sees Ctrl+V alone.
  for (unsigned vk : held) {
    keyboard.send_key(vk, true);
    released_.push_back(vk);
  }
  pending_ = true;
  sending_ = true;
  pause_left_ = keys_.empty() ? 0 : keys_.front().pauseTicks;
  return SendDueKeys(keyboard);
}

PasteOutcome PasteKeys::SendDueKeys(const PasteKeyboard& keyboard) {
  if (pause_left_ > 0) {
    --pause_left_;
    return PasteOutcome::Waiting;
  }
  while (next_key_ < keys_.size()) {
    const PasteKeyEvent& key = keys_[next_key_++];
    if (key.kind == PasteKeyEvent::Kind::Unicode) {
      if (keyboard.send_unicode) keyboard.send_unicode(key.code, key.up);
    } else {
      keyboard.send_key(key.code, key.up);
    }
    if (next_key_ < keys_.size() && keys_[next_key_].pauseTicks > 0) {
      pause_left_ = keys_[next_key_].pauseTicks - 1;
      return PasteOutcome::Waiting;
    }
  }
  pending_ = false;
  sending_ = false;
  return PasteOutcome::Sent;
}

}  // namespace tq::app
