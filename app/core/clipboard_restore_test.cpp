#include "app/core/clipboard_restore.h"

#include <gtest/gtest.h>

namespace tq::app {
namespace {

TEST(ClipboardRestore, PutsTheClipboardBackOnlyOnceTheTargetIsDoneAndNeverOverANewCopy) {
  struct Case {
    const char* what;
    ClipboardWatch watch;
    RestoreStep step;
  };
  const Case cases[] = {
      {"keys just sent, nothing read yet", {.ticksSinceKeys = 1}, RestoreStep::Wait},
      {"read, the target may read another format",
       {.reads = 1, .ticksSinceRead = 3, .ticksSinceKeys = 5},
       RestoreStep::Wait},
      {"read, quiet since",
       {.reads = 2, .ticksSinceRead = kRestoreSettleTicks, .ticksSinceKeys = 30},
       RestoreStep::Restore},
      {"read, quiet, but the target still has the clipboard open",
       {.reads = 1, .ticksSinceRead = 50, .ticksSinceKeys = 60, .openElsewhere = true},
       RestoreStep::Wait},
      {"never read: the wait runs out",
       {.ticksSinceRead = kRestoreMaxWaitTicks, .ticksSinceKeys = kRestoreMaxWaitTicks},
       RestoreStep::Restore},
      {"never read, just before the bound",
       {.ticksSinceRead = kRestoreMaxWaitTicks - 1, .ticksSinceKeys = kRestoreMaxWaitTicks - 1},
       RestoreStep::Wait},
      {"held open by another program for good",
       {.ticksSinceKeys = kRestoreGiveUpTicks, .openElsewhere = true},
       RestoreStep::Leave},
      {"the user copied something new",
       {.reads = 1, .ticksSinceRead = 50, .ticksSinceKeys = 60, .stillTheReply = false},
       RestoreStep::Leave},
      {"the user copied something new before any read",
       {.ticksSinceKeys = 2, .stillTheReply = false},
       RestoreStep::Leave},
      {"text typed: no read to wait for", {.ticksSinceKeys = 0, .readExpected = false}, RestoreStep::Restore},
      {"text typed, clipboard open elsewhere",
       {.ticksSinceKeys = 0, .openElsewhere = true, .readExpected = false},
       RestoreStep::Wait},
  };
  for (const Case& c : cases) EXPECT_EQ(NextRestoreStep(c.watch), c.step) << c.what;
}

TEST(ClipboardRestore, OnlyAPasteThatSentItsKeysRestores) {
  for (PasteOutcome o : {PasteOutcome::TargetGone, PasteOutcome::TargetNotInFront, PasteOutcome::ClipboardChanged,
                         PasteOutcome::TargetElevated, PasteOutcome::Idle}) {
    EXPECT_FALSE(RestoresAfter(o)) << "the user was told the reply is on the clipboard";
  }
  EXPECT_TRUE(RestoresAfter(PasteOutcome::Sent));
}

}  // namespace
}  // namespace tq::app
