#include "app/core/reply_library.h"

#include <gtest/gtest.h>

#include "storage/reply_layout.h"
#include "tests/support/temp_dir.h"

namespace tq::app {
namespace {

void AddReply(storage::TBinaryDataSet& table, const std::string& description) {
  table.Insert();
  table.FieldByName(storage::kCategoryField).SetAsString("C");
  table.FieldByName(storage::kDescriptionField).SetAsString(description);
  table.FieldByName(storage::kResponseField).SetAsString("text of " + description);
  table.Post();
}

TEST(ReplyLibrary, ANewReplyInAFreedSlotGetsItsPlaceInTableOrder) {
  testing::TempDir dir;
  storage::TBinaryDataSet table;
  CreateReplyTable(table, dir.File("r.qdk"));
  OpenReplyTable(table, dir.File("r.qdk"));
  for (const char* d : {"a", "b", "c", "d"}) AddReply(table, d);
  table.Last();
  EXPECT_EQ(CurrentReplyIndex(table), 3);

  GoToReply(table, 1);
  table.Delete();
  // The next reply reuses the freed slot, so it comes second, not last.
  AddReply(table, "new");
  EXPECT_EQ(CurrentReplyIndex(table), 1);
  EXPECT_EQ(CurrentReply(table).Description, "new");  // still the current record

  std::vector<std::string> order;
  for (const ReplyRecord& r : ReadReplies(table)) order.push_back(r.Description);
  EXPECT_EQ(order, (std::vector<std::string>{"a", "new", "c", "d"}));
  EXPECT_EQ(GoToReply(table, 3).Description, "d");
}

}  // namespace
}  // namespace tq::app
