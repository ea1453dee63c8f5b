#include "app/core/insertion_rules.h"

namespace tq::app {

InsertCommand DirectInsertCommand(bool default_with_format) {
  return default_with_format ? InsertCommand::Insert : InsertCommand::InsertAsText;
}

InsertCommand TreeInsertCommand(bool has_target, bool reply_selected, bool default_with_format) {
  if (!has_target || !reply_selected) return InsertCommand::None;
  return DirectInsertCommand(default_with_format);
}

WindowAfterPaste MainWindowAfterPaste(bool hide_after_insert, bool window_visible) {
  if (hide_after_insert) return WindowAfterPaste::Hide;
  return window_visible ? WindowAfterPaste::BringToFront : WindowAfterPaste::LeaveHidden;
}

}  // namespace tq::app
