#include "library/reply_library.h"

#include <gtest/gtest.h>

#include "platform/fault_env.h"
#include "platform/memory_env.h"
#include "storage/errors.h"
#include "storage/reply_layout.h"
#include "tests/support/temp_dir.h"

namespace tq::library {
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

TEST(ReplyLibrary, RepliesAreReadAndWrittenAsUtf8) {
  testing::TempDir dir;
  storage::TBinaryDataSet table;
  CreateReplyTable(table, dir.File("u.qdk"));
  OpenReplyTable(table, dir.File("u.qdk"));
  const ReplyRecord replies[] = {{"Grüße", "Café", "naïve — 5 €", 7},
                                 {"Привет", "Ελληνικά", "日本語 👍\r\nnext", 0},
                                 {"Sales", "Ω", "{\\rtf1 \\b Ω\\b0}", 0}};
  for (const ReplyRecord& r : replies) {
    table.Insert();
    WriteReply(table, r);
    table.Post();
  }
  table.Close();
  OpenReplyTable(table, dir.File("u.qdk"));
  const std::vector<ReplyRecord> back = ReadReplies(table);
  ASSERT_EQ(back.size(), 3u);
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(back[i].Category, replies[i].Category);
    EXPECT_EQ(back[i].Description, replies[i].Description);
    EXPECT_EQ(back[i].Response, replies[i].Response);
    EXPECT_EQ(back[i].HotKey, replies[i].HotKey);
  }
  EXPECT_EQ(back[2].Response, "{\\rtf1 \\b \\u937?\\b0}");  // rich: escaped in the RTF
  // The fields themselves hold Windows-1252: as before, and the stand-ins.
  GoToReply(table, 0);
  EXPECT_EQ(table.FieldByName(storage::kResponseField).AsString(), "na\xefve \x97 5 \x80");
  GoToReply(table, 1);
  EXPECT_EQ(table.FieldByName(storage::kCategoryField).AsString(), "Privet");
  EXPECT_EQ(table.FieldByName(storage::kDescriptionField).AsString(), "Ellinika");
}

// Files whose writing the system refuses, as for a file without write
// permission or one on a read-only share: reading is still allowed.
TEST(ReplyLibrary, ALibraryThatMayNotBeWrittenOpensForReadingOnly) {
  testing::TempDir dir;
  const std::string path = dir.File("shared.qdk");
  {
    storage::TBinaryDataSet writer;
    CreateReplyTable(writer, path);
    OpenReplyTable(writer, path);
    EXPECT_FALSE(writer.ReadOnly());
    AddReply(writer, "Thanks");
  }
  std::string before;
  ASSERT_TRUE(platform::ReadWholeFile(platform::Env::Default(), path, &before));

  platform::FaultEnv env(platform::Env::Default());
  env.DenyWriteAccess(true);
  storage::TBinaryDataSet table(env);
  OpenReplyTable(table, path);
  EXPECT_TRUE(table.ReadOnly());
  EXPECT_EQ(LibraryCaption("Tavrin Quillet", path, table.ReadOnly()), "Tavrin Quillet - " + path + " (read-only)");
  ASSERT_EQ(ReadReplies(table).size(), 1u);
  EXPECT_EQ(GoToReply(table, 0).Response, "text of Thanks");
  EXPECT_THROW(AddReply(table, "more"), storage::EBinaryDataSetError);
  table.Cancel();
  std::string after;
  ASSERT_TRUE(platform::ReadWholeFile(platform::Env::Default(), path, &after));
  EXPECT_EQ(after, before);

  // The next library that may be written opens for writing again.
  env.DenyWriteAccess(false);
  OpenReplyTable(table, path);
  EXPECT_FALSE(table.ReadOnly());
  EXPECT_EQ(LibraryCaption("Tavrin Quillet", path, table.ReadOnly()), "Tavrin Quillet - " + path);
  AddReply(table, "more");
  EXPECT_EQ(ReadReplies(table).size(), 2u);
}

TEST(ReplyLibrary, ALibraryInUseIsNotOpenedReadOnlyBehindTheUsersBack) {
  testing::TempDir dir;
  const std::string path = dir.File("busy.qdk");
  storage::TBinaryDataSet holder, table;
  CreateReplyTable(holder, path);
  OpenReplyTable(holder, path);
  try {
    OpenReplyTable(table, path);
    FAIL() << "opened a library another program is changing";
  } catch (const storage::EStreamError& e) {
    EXPECT_TRUE(e.inUse());
  }
  EXPECT_FALSE(table.Active());
}

TEST(ReplyLibrary, TellsWhenTheOpenLibraryWasDeletedOrReplaced) {
  platform::MemoryEnv env;
  ASSERT_TRUE(env.CreateDirectories("C:/Replies"));
  const std::string path = "C:\\Replies\\team.qdk";
  storage::TBinaryDataSet table(env);
  CreateReplyTable(table, path);
  OpenReplyTable(table, path);
  EXPECT_EQ(LibraryChangedText(table), "");
  ASSERT_TRUE(env.Unlink(path));
  EXPECT_EQ(LibraryChangedText(table),
            "The library file C:\\Replies\\team.qdk was deleted after it was opened.\n"
            "Nothing was saved to it. Open the library again to go on working with it.");
  ASSERT_TRUE(platform::WriteWholeFile(env, path, "x"));
  EXPECT_EQ(LibraryChangedText(table),
            "The library file C:\\Replies\\team.qdk was replaced by another file after it was opened.\n"
            "Nothing was saved to it. Open the library again to go on working with it.");
}

}  // namespace
}  // namespace tq::library
