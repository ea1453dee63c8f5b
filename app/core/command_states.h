// UpdateCommandStates as a pure function: which parts of the main window are
// visible and which reply commands are enabled, from the facts the window
// knows at that moment.
#pragma once

#include <string_view>

namespace tq::app {

struct CommandFacts {
  bool library_open = false;          // the table's file name is not empty
  bool reply_selected = false;        // a node is selected and its data is 0 or more
  bool has_target = false;            // TargetWindow is set
  bool preview_empty = true;          // InsertRichEdit holds no text
  std::string_view current_response;  // Response of the table's current record; empty when none
  bool read_only = false;             // the library could be opened for reading only
};

// The control that takes the keyboard focus whenever the window is shown:
// the tree with a library open (the arrow keys and Enter work at once),
// otherwise the first-use panel's first link.
enum class ShownFocus { ReplyTree, FirstUseLink };

struct CommandStates {
  bool main_panel_visible = false;      // MainPanel; otherwise the first-use panel shows
  bool add_enabled = false;             // AddBtn, AddMI: a library is open for writing
  bool refresh_enabled = false;         // RefreshBtn, RefreshMI: a library is open
  bool edit_enabled = false;            // EditBtn, EditMI, DeleteBtn, DeleteMI
  bool check_all_enabled = false;       // CheckAllMI, which writes corrections back
  bool current_is_formatted = false;    // becomes CurrentIsFormatted
  bool insert_enabled = false;          // InsertBtn, InsertMI
  bool insert_as_text_enabled = false;  // InsertAsTextBtn, InsertAsTextMI
  bool copy_enabled = true;             // CopyBtn, CopyMI: always
  ShownFocus focus_on_show = ShownFocus::FirstUseLink;
};

CommandStates ComputeCommandStates(const CommandFacts& facts);

}  // namespace tq::app
