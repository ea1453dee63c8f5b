#include "app/core/insertion_rules.h"

#include <gtest/gtest.h>

namespace tq::app {
namespace {

TEST(InsertionRules, TreeEnterAndDoubleClick) {
  struct Case {
    bool target, reply, with_format;
    InsertCommand expected;
  };
  const Case cases[] = {
      {true, true, true, InsertCommand::Insert},
      {true, true, false, InsertCommand::InsertAsText},
      {false, true, true, InsertCommand::None},   // shown from the tray: nowhere to insert
      {true, false, true, InsertCommand::None},   // the root or a category
      {false, false, false, InsertCommand::None},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TreeInsertCommand(c.target, c.reply, c.with_format), c.expected)
        << "target " << c.target << ", reply " << c.reply << ", with format " << c.with_format;
}

TEST(InsertionRules, ReplyChosenByHotkeyOrMenu) {
  EXPECT_EQ(DirectInsertCommand(true), InsertCommand::Insert);
  EXPECT_EQ(DirectInsertCommand(false), InsertCommand::InsertAsText);
}

TEST(InsertionRules, MainWindowAfterPaste) {
  struct Case {
    bool hide_after_insert, visible;
    WindowAfterPaste expected;
  };
  const Case cases[] = {
      {true, true, WindowAfterPaste::Hide},
      {true, false, WindowAfterPaste::Hide},
      {false, true, WindowAfterPaste::BringToFront},
      {false, false, WindowAfterPaste::LeaveHidden},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MainWindowAfterPaste(c.hide_after_insert, c.visible), c.expected)
        << "HideAfterInsert " << c.hide_after_insert << ", visible " << c.visible;
}

}  // namespace
}  // namespace tq::app
