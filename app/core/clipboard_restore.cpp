#include "app/core/clipboard_restore.h"

namespace tq::app {

RestoreStep NextRestoreStep(const ClipboardWatch& w) {
  if (!w.stillTheReply) return RestoreStep::Leave;
  if (w.openElsewhere) {
    // Nothing can be put on a clipboard another program holds open; one
    // that never lets go is left alone.
    return w.ticksSinceKeys >= kRestoreGiveUpTicks ? RestoreStep::Leave : RestoreStep::Wait;
  }
  if (!w.readExpected) return RestoreStep::Restore;
  if (w.reads > 0) return w.ticksSinceRead >= kRestoreSettleTicks ? RestoreStep::Restore : RestoreStep::Wait;
  return w.ticksSinceKeys >= kRestoreMaxWaitTicks ? RestoreStep::Restore : RestoreStep::Wait;
}

bool RestoresAfter(PasteOutcome outcome) { return outcome == PasteOutcome::Sent; }

}  // namespace tq::app
