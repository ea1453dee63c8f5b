// When the user's own clipboard comes back after a paste (the
// "RestoreClipboard" setting). The reply is offered by delayed rendering, so
// the program hears when the target reads it; the saved contents go back
// once the target has read the reply and closed the clipboard again, or when
// the wait runs out without a read (a target that ignored the paste). They
// never go back over something the user copied in the meantime, nor when the
// paste sent nothing: the reply then stays, as the user is told.
#pragma once

#include "app/core/paste_keys.h"

namespace tq::app {

// What is known at one tick of the wait.
struct ClipboardWatch {
  int reads = 0;               // formats of the reply the target has read so far
  int ticksSinceRead = 0;      // ticks since the last read (or since the keys went out, before any)
  int ticksSinceKeys = 0;      // ticks since the last key of the paste
  bool openElsewhere = false;  // another program has the clipboard open now
  bool stillTheReply = true;   // the clipboard is still ours, unchanged since the reply went on it
  bool readExpected = true;    // the paste reads the clipboard (not when the text was typed)
};

enum class RestoreStep {
  Wait,     // tick again
  Restore,  // put the saved contents back now
  Leave,    // done without restoring: the clipboard holds something newer
};

// Ticks of quiet after a read before restoring: a target may read several
// formats one after the other (text after rich text).
inline constexpr int kRestoreSettleTicks = 10;
// Ticks after the keys with no read at all before restoring anyway.
inline constexpr int kRestoreMaxWaitTicks = 200;
// A clipboard held open this long after the wait is given up on.
inline constexpr int kRestoreGiveUpTicks = 2 * kRestoreMaxWaitTicks;

RestoreStep NextRestoreStep(const ClipboardWatch& watch);

// Whether a paste that ended with `outcome` restores the saved clipboard at
// all: only one that sent its keys; otherwise the user was told to paste the
// reply from the clipboard.
bool RestoresAfter(PasteOutcome outcome);

}  // namespace tq::app
