// What the main window does around an insertion, decided without a window:
// which command a reply chosen directly runs, and what becomes of the main
// window once the paste's keystrokes are on their way.
#pragma once

namespace tq::app {

enum class InsertCommand { None, Insert, InsertAsText };

// A reply chosen directly (its hotkey, the popup menu, Enter or a double
// click in the tree) goes in with its formatting when DefaultWithFormat is
// on: Insert, which sends a plain reply on to Insert As Text; else Insert As
// Text.
InsertCommand DirectInsertCommand(bool default_with_format);

// Enter and a double click in the tree insert the selected reply into the
// remembered target. Without a target, or on the root or a category, they
// do nothing more than the tree itself does.
InsertCommand TreeInsertCommand(bool has_target, bool reply_selected, bool default_with_format);

enum class WindowAfterPaste {
  Hide,          // HideAfterInsert: out of the way before the keys go, and the target forgotten
  BringToFront,  // shown: back in front once the keys are sent, the target kept for the next insert
  LeaveHidden,   // hidden (a reply hotkey or the popup menu from the tray): it stays in the tray
};

WindowAfterPaste MainWindowAfterPaste(bool hide_after_insert, bool window_visible);

}  // namespace tq::app
