#include "app/core/command_states.h"

#include "library/reply_record.h"

namespace tq::app {

CommandStates ComputeCommandStates(const CommandFacts& facts) {
  CommandStates s;
  s.main_panel_visible = facts.library_open;
  // Without a library file there is nothing to add to or refresh; one open
  // for reading only can be browsed, inserted from and refreshed, never
  // changed.
  const bool writable = facts.library_open && !facts.read_only;
  s.add_enabled = writable;
  s.refresh_enabled = facts.library_open;
  s.edit_enabled = writable && facts.reply_selected;
  s.check_all_enabled = writable;
  s.current_is_formatted = library::IsFormattedResponse(facts.current_response);
  s.insert_enabled = facts.has_target && !facts.preview_empty;
  s.insert_as_text_enabled = s.insert_enabled && s.current_is_formatted;
  s.focus_on_show = facts.library_open ? ShownFocus::ReplyTree : ShownFocus::FirstUseLink;
  return s;
}

}  // namespace tq::app
