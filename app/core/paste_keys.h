// The keystrokes that paste into the target, as a state machine that a
// window timer drives: the hotkey's modifiers may still be held when the
// paste starts, and a synthesised Ctrl+V would then arrive as Ctrl+Alt+V or
// Ctrl+Shift+V. Each tick checks Alt, Shift and the Windows keys; once they
// are up, or the wait runs out (then they are released with key-ups of our
// own), exactly Ctrl down, V down, V up, Ctrl up is sent. The ticks also
// wait (within the same bound) for the target to become the foreground
// window, since another process's activation may complete after the call
// that asked for it returned. Keys go only to the captured target: when it
// has closed, or is still not in front when the wait ends, or the clipboard
// no longer holds the reply, nothing is sent and the outcome says why.
// Nor are keys sent to a window whose program runs with more rights than
// this one: Windows drops them without a word. The keystrokes themselves
// depend on the target's paste method (Ctrl+V, Shift+Insert, slow, typed).
#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "app/core/paste_method.h"

namespace tq::app {

// Virtual-key codes used here.
inline constexpr unsigned kVkShift = 0x10;
inline constexpr unsigned kVkControl = 0x11;
inline constexpr unsigned kVkMenu = 0x12;  // Alt
inline constexpr unsigned kVkLWin = 0x5B;
inline constexpr unsigned kVkRWin = 0x5C;
inline constexpr unsigned kVkV = 0x56;

// The modifiers that must be up before Ctrl+V, in the order they are
// released. Keys without Ctrl (Shift+Insert, typed text) wait for Ctrl too:
// with it, Shift+Insert would copy and Enter would be Ctrl+Enter.
inline constexpr unsigned kPasteBlockingKeys[] = {kVkMenu, kVkShift, kVkLWin, kVkRWin};

enum class TargetState {
  Ready,   // in the foreground with the focus where it was
  NotYet,  // exists, but not (yet) in front
  Gone,    // closed: there is nothing to paste into
};

struct PasteKeyboard {
  std::function<bool(unsigned vk)> is_down;            // physical or logical state now
  std::function<void(unsigned vk, bool up)> send_key;  // one synthesised key event
  std::function<TargetState()> target_state;           // none: always ready
  std::function<bool()> clipboard_holds_reply;         // nothing copied since the reply; none: always
  std::function<void(unsigned unit, bool up)> send_unicode;  // one UTF-16 code unit typed
  std::function<bool()> target_refuses_keys;                 // runs with more rights than we do; none: never
  // Once, just before the first key: the target's own record of which keys
  // are down is made to agree with the keyboard. The hotkey's key-ups went
  // to our window, and a target that still counts Alt as down would read
  // Ctrl+V as Ctrl+Alt+V. None: nothing to do.
  std::function<void()> sync_key_state;
};

enum class PasteOutcome {
  Waiting,           // still pending: tick again
  Sent,              // Ctrl+V went to the target
  TargetGone,        // nothing sent: the target window has closed
  TargetNotInFront,  // nothing sent: the target never came to the front
  ClipboardChanged,  // nothing sent: something else was copied after the reply
  TargetElevated,    // nothing sent: Windows would drop keys sent to the target
  Idle,              // no paste was started
};

// What the user is told when a paste sent nothing; empty for the other
// outcomes.
std::string_view NotPastedMessage(PasteOutcome outcome);

// The reply could not be put on the clipboard.
inline constexpr char kClipboardBusyMessage[] =
    "Another program is using the clipboard, so the reply could not be put on it.";

class PasteKeys {
 public:
  // A new paste; the wait for the modifiers lasts at most max_wait_ticks
  // ticks after the first. Once the target is ready, `keys` go out, each
  // after its pause; the paste is Sent when the last has gone.
  void Start(int max_wait_ticks, std::vector<PasteKeyEvent> keys = PasteKeyEvents(PasteMethod::CtrlV));
  bool Pending() const { return pending_; }
  // One tick. Any outcome but Waiting ends the paste.
  PasteOutcome Tick(const PasteKeyboard& keyboard);
  // The modifiers this paste released itself (for tests and diagnostics).
  const std::vector<unsigned>& Released() const { return released_; }

 private:
  PasteOutcome SendDueKeys(const PasteKeyboard& keyboard);

  bool pending_ = false;
  bool sending_ = false;     // the checks passed: the keys are going out
  bool ctrlBlocks_ = false;  // the keys do not press Ctrl themselves
  int ticks_left_ = 0;
  std::vector<PasteKeyEvent> keys_;
  size_t next_key_ = 0;
  int pause_left_ = 0;
  std::vector<unsigned> released_;
};

}  // namespace tq::app
