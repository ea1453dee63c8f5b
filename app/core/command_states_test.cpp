#include "app/core/command_states.h"

#include <gtest/gtest.h>

namespace tq::app {
namespace {

TEST(CommandStatesTest, FromTheWindowsFacts) {
  struct Case {
    const char* what;
    CommandFacts facts;
    bool panel, edit, formatted, insert, insert_as_text;
  };
  const char* rtf = "{\\rtf1 Hi}";
  const Case cases[] = {
      {"no library open", {false, false, false, true, ""}, false, false, false, false, false},
      {"empty library", {true, false, false, true, ""}, true, false, false, false, false},
      {"reply selected, no target", {true, true, false, false, "Hi"}, true, true, false, false, false},
      {"plain reply with target", {true, true, true, false, "Hi"}, true, true, false, true, false},
      {"formatted reply with target", {true, true, true, false, rtf}, true, true, true, true, true},
      {"formatted reply, no target", {true, true, false, false, rtf}, true, true, true, false, false},
      {"category selected with target", {true, false, true, true, rtf}, true, false, true, false, false},
      // After an insertion by hotkey the preview holds a reply the tree has not selected.
      {"preview without selection", {true, false, true, false, "Hi"}, true, false, false, true, false},
      // A library opened for reading only: browsed and inserted from, never changed.
      {"read-only, reply selected with target", {true, true, true, false, rtf, true}, true, false, true, true, true},
      {"read-only, nothing selected", {true, false, false, true, "", true}, true, false, false, false, false},
  };
  for (const Case& c : cases) {
    CommandStates s = ComputeCommandStates(c.facts);
    EXPECT_EQ(s.main_panel_visible, c.panel) << c.what;
    EXPECT_EQ(s.refresh_enabled, c.panel) << c.what << ": Refresh goes with an open library";
    EXPECT_EQ(s.add_enabled, c.panel && !c.facts.read_only) << c.what << ": Add, with one open for writing";
    EXPECT_EQ(s.check_all_enabled, s.add_enabled) << c.what << ": checking all replies writes them";
    EXPECT_EQ(s.edit_enabled, c.edit) << c.what;
    EXPECT_EQ(s.current_is_formatted, c.formatted) << c.what;
    EXPECT_EQ(s.insert_enabled, c.insert) << c.what;
    EXPECT_EQ(s.insert_as_text_enabled, c.insert_as_text) << c.what;
    EXPECT_TRUE(s.copy_enabled) << c.what;
    EXPECT_EQ(s.focus_on_show, c.panel ? ShownFocus::ReplyTree : ShownFocus::FirstUseLink) << c.what;
  }
}

}  // namespace
}  // namespace tq::app
