// Changing a table: the Insert and Edit states, Post, Cancel, Delete, the
// settle-on-move rule, the free-slot stack, read-only refusals, and failed
// writes that must be reported and leave a file that still opens.
#include <gtest/gtest.h>

#include "platform/fault_env.h"
#include "platform/memory_env.h"
#include "storage/errors.h"
#include "storage/test_support.h"

namespace tq::storage {
namespace {

using namespace testing;

std::string Message(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "no exception";
}

TEST(EditTest, FreeSlotsAreAStackMostRecentlyFreedFirst) {
  ReplyTableFixture f;
  f.CreateAndOpen();
  for (const char* d : {"s0", "s1", "s2", "s3", "s4"}) f.Add("C", d);
  f.table.SetRecNo(3);
  f.table.Delete();  // slot 2
  f.table.SetRecNo(1);
  f.table.Delete();  // slot 0
  std::string bytes = f.Bytes();
  EXPECT_EQ(I32At(bytes, 40), 1);   // FirstFree
  EXPECT_EQ(I32At(bytes, 36), 2);   // DeletedCount
  EXPECT_EQ(I32At(bytes, 32), 3);   // RecordCount
  EXPECT_EQ(I32At(bytes, 212), 3);  // NextFree of slot 0
  EXPECT_EQ(I32At(bytes, 212 + 2 * 4184), -1);
  // The deleted slots keep their values.
  EXPECT_EQ(bytes.substr(212 + 8 + 36, 2), "s0");

  f.Add("C", "n1");
  EXPECT_EQ(f.table.RecNo(), 1);
  f.Add("C", "n2");
  EXPECT_EQ(f.table.RecNo(), 3);
  f.Add("C", "n3");
  EXPECT_EQ(f.table.RecNo(), 6);
  bytes = f.Bytes();
  EXPECT_EQ(bytes.size(), 212u + 6 * 4184);
  EXPECT_EQ(I32At(bytes, 40), -1);
  EXPECT_EQ(I32At(bytes, 36), 0);
  EXPECT_EQ(I32At(bytes, 32), 6);
  for (int slot = 0; slot < 6; ++slot) EXPECT_EQ(I32At(bytes, 212 + slot * 4184), 0) << slot;
}

TEST(EditTest, EditPostAndCancel) {
  ReplyTableFixture f;
  f.CreateAndOpen();
  f.Add("Work", "Old", "text", 0x4052);
  f.table.Edit();
  EXPECT_EQ(f.table.State(), dsEdit);
  f.table.Edit();  // nothing in the Edit state
  f.table.FieldByName("Description").SetAsString("New");
  EXPECT_TRUE(f.table.Modified());
  f.table.Cancel();
  EXPECT_EQ(f.table.State(), dsBrowse);
  EXPECT_EQ(f.Description(), "Old");

  f.table.Edit();
  f.table.FieldByName("Description").SetAsString("New");
  f.table.Post();
  EXPECT_EQ(f.table.State(), dsBrowse);
  f.table.Close();
  f.table.Open();
  EXPECT_EQ(f.Description(), "New");
  EXPECT_EQ(f.table.FieldByName("HotKey").AsInteger(), 0x4052);
  EXPECT_EQ(f.table.RecordCount(), 1);
  EXPECT_EQ(f.Bytes().size(), 212u + 4184);

  EXPECT_EQ(Message([&] { f.table.Post(); }), "Dataset not in edit or insert mode");
  f.table.Cancel();  // nothing outside Insert and Edit
  f.table.Insert();
  f.table.Delete();  // cancels a pending new record
  EXPECT_EQ(f.table.State(), dsBrowse);
  EXPECT_EQ(f.table.RecordCount(), 1);
}

TEST(EditTest, MovementsSettleAPendingRecord) {
  struct Case {
    const char* what;
    bool write;
    std::function<void(TBinaryDataSet&)> move;
  } cases[] = {
      {"First after a write stores", true, [](TBinaryDataSet& t) { t.First(); }},
      {"Next after a write stores", true, [](TBinaryDataSet& t) { t.Next(); }},
      {"MoveBy after a write stores", true, [](TBinaryDataSet& t) { t.MoveBy(-1); }},
      {"RecNo after a write stores", true, [](TBinaryDataSet& t) { t.SetRecNo(1); }},
      {"Insert after a write stores", true, [](TBinaryDataSet& t) { t.Insert(); }},
      {"Last without a write drops", false, [](TBinaryDataSet& t) { t.Last(); }},
      {"Prior without a write drops", false, [](TBinaryDataSet& t) { t.Prior(); }},
  };
  for (const Case& c : cases) {
    ReplyTableFixture f;
    f.CreateAndOpen();
    f.Add("C", "first");
    f.table.Insert();
    if (c.write) f.table.FieldByName("Description").SetAsString("pending");
    c.move(f.table);
    EXPECT_EQ(f.table.RecordCount(), c.write ? 2 : 1) << c.what;
  }

  // An edit is settled the same way.
  ReplyTableFixture f;
  f.CreateAndOpen();
  f.Add("C", "a");
  f.Add("C", "b");
  f.table.First();
  f.table.Edit();
  f.table.FieldByName("Category").SetAsString("changed");
  f.table.Next();
  f.table.First();
  EXPECT_EQ(f.table.FieldByName("Category").AsString(), "changed");
}

TEST(EditTest, ValuesWrittenWhileBrowsingAreDiscarded) {
  ReplyTableFixture f;
  f.CreateAndOpen();
  f.Add("C", "kept");
  f.table.FieldByName("Description").SetAsString("browse write");
  EXPECT_EQ(f.Description(), "browse write");  // only the buffered copy
  EXPECT_FALSE(f.table.Modified());
  f.table.Edit();  // an edit starts from the record as stored
  EXPECT_EQ(f.Description(), "kept");
  f.table.FieldByName("Description").SetAsString("browse write");
  f.table.Cancel();
  f.table.FieldByName("Description").SetAsString("again");
  f.table.First();
  EXPECT_EQ(f.Description(), "kept");
  // A delete keeps the stored values in the freed slot, not the buffer's.
  f.table.FieldByName("Description").SetAsString("not stored");
  f.table.Delete();
  EXPECT_EQ(f.Bytes().substr(212 + 8 + 36, 5), std::string("kept\0", 5));
}

TEST(EditTest, TextValuesAreCutToTheirSizeAndNeverReachTheNextField) {
  ReplyTableFixture f;
  f.CreateAndOpen();
  f.table.Insert();
  f.table.FieldByName("Category").SetAsString(std::string(100, 'c'));
  f.table.FieldByName("Description").SetAsString(std::string("ab\0cd", 5));
  f.table.FieldByName("Response").SetAsString(std::string(5000, 'r'));
  f.table.FieldByName("HotKey").SetAsInteger(-1);
  f.table.Post();
  EXPECT_EQ(f.table.FieldByName("Category").AsString(), std::string(32, 'c'));
  EXPECT_EQ(f.Description(), "ab");
  EXPECT_EQ(f.table.FieldByName("Response").AsString(), std::string(4096, 'r'));
  EXPECT_EQ(f.table.FieldByName("HotKey").AsInteger(), -1);
  const std::string slot = f.Bytes().substr(212, 4184);
  EXPECT_EQ(slot[8 + 32], '\0');  // Category's terminator
  EXPECT_EQ(slot.substr(44, 3), std::string("ab\0", 3));
  EXPECT_EQ(slot[80 + 4096], '\0');  // Response's terminator
  EXPECT_EQ(I32At(slot, 4180), -1);

  // A shorter text leaves nothing of the longer one behind its terminator.
  f.table.Edit();
  f.table.FieldByName("Response").SetAsString("short");
  f.table.Post();
  const std::string after = f.Bytes().substr(212 + 80, 4100);
  EXPECT_EQ(after, std::string("short") + std::string(4095, '\0'));
}

TEST(EditTest, DeclaredSizesNeverReadOrWritePastTheFieldsStorage) {
  ReplyTableFixture f;
  f.table.CreateTable();
  TBinaryDataSet t;
  t.SetTableName(f.path);
  t.AddField("Category", ftString, 200);   // larger than the file's 32
  t.AddField("Description", ftString, 3);  // smaller than the file's 32
  t.Open();
  t.Insert();
  t.FieldByName("Category").SetAsString(std::string(200, 'x'));
  t.FieldByName("Description").SetAsString("abcdef");
  t.Post();
  EXPECT_EQ(t.FieldByName("Category").AsString(), std::string(32, 'x'));
  EXPECT_EQ(t.FieldByName("Description").AsString(), "abc");
  t.Close();
  f.table.Open();
  EXPECT_EQ(f.table.FieldByName("Description").AsString(), "abc");
  EXPECT_EQ(f.table.FieldByName("Category").AsString(), std::string(32, 'x'));
}

TEST(EditTest, ReadOnlyTablesRefuseChangesBeforeTouchingTheFile) {
  ReplyTableFixture f;
  f.CreateAndOpen();
  f.Add("C", "one");
  f.table.Close();
  const std::string before = f.Bytes();
  f.table.SetReadOnly(true);
  f.table.Open();
  EXPECT_EQ(Message([&] { f.table.Delete(); }), "Dataset must be opened for read/write to delete records.");
  f.table.Edit();
  f.table.FieldByName("Description").SetAsString("two");
  EXPECT_EQ(Message([&] { f.table.Post(); }), "Dataset must be opened for read/write to add or change records.");
  EXPECT_EQ(f.table.State(), dsEdit);  // still pending
  EXPECT_EQ(Message([&] { f.table.Next(); }), "Dataset must be opened for read/write to add or change records.");
  f.table.Cancel();
  EXPECT_EQ(Message([&] { f.table.SortTable({"Description"}); }),
            "Dataset must be opened for read/write to perform sort.");
  EXPECT_EQ(f.Bytes(), before);
}

// Another program deletes the table's file, or puts another file in its
// place, while the table has it open: every change is refused before a byte
// is written (into the nameless file or the new one), the pending record
// stays pending, and the error names the file and what happened to it.
TEST(EditTest, ChangesAreRefusedOnceTheFileIsDeletedOrReplaced) {
  struct Case {
    const char* what;
    std::function<void(ReplyTableFixture&)> change;
    TDataSetState pendingAfter;
  } changes[] = {
      {"append", [](ReplyTableFixture& f) { f.Add("C", "new"); }, dsInsert},
      {"reuse a freed slot",
       [](ReplyTableFixture& f) {
         f.table.Insert();
         f.table.FieldByName("Description").SetAsString("new");
         f.table.Post();
       },
       dsInsert},
      {"edit",
       [](ReplyTableFixture& f) {
         f.table.Edit();
         f.table.FieldByName("Description").SetAsString("changed");
         f.table.Post();
       },
       dsEdit},
      {"delete", [](ReplyTableFixture& f) { f.table.Delete(); }, dsBrowse},
      {"sort", [](ReplyTableFixture& f) { f.table.SortTable({"Description"}); }, dsBrowse},
  };
  for (const bool replaced : {false, true}) {
    for (const Case& c : changes) {
      SCOPED_TRACE(std::string(c.what) + (replaced ? ", replaced" : ", deleted"));
      platform::MemoryEnv env;
      ReplyTableFixture f(env);
      ASSERT_TRUE(env.CreateDirectories(f.dir.path()));
      f.CreateAndOpen();
      for (const char* d : {"b", "a", "gone"}) f.Add("C", d);
      f.table.Delete();  // "gone": its slot is free for reuse
      f.table.First();
      // A reader keeps the opened file's bytes visible after its name goes.
      std::unique_ptr<platform::File> opened;
      ASSERT_TRUE(env.OpenFile(f.path, platform::FileAccess::Read, platform::FileShare::ReadWrite,
                               platform::FileCreate::OpenExisting, &opened));
      auto bytesOf = [](platform::File& file) {
        int64_t size = 0;
        file.Size(&size);
        std::string bytes(static_cast<size_t>(size), '\0');
        file.ReadExact(0, bytes.data(), bytes.size());
        return bytes;
      };
      const std::string before = bytesOf(*opened);
      ASSERT_TRUE(env.Unlink(f.path));
      if (replaced) {
        ASSERT_TRUE(platform::WriteWholeFile(env, f.path, "another file"));
      }

      EXPECT_EQ(Message([&] { c.change(f); }), "The table file " + f.path +
                                                   (replaced ? " was replaced by another file" : " was deleted") +
                                                   " after it was opened; nothing was written.");
      EXPECT_EQ(f.table.State(), c.pendingAfter);
      EXPECT_EQ(f.table.RecordCount(), 2);
      EXPECT_EQ(bytesOf(*opened), before);
      std::string now;
      EXPECT_EQ(platform::ReadWholeFile(env, f.path, &now).ok(), replaced);
      EXPECT_EQ(now, replaced ? "another file" : "");
      f.table.Cancel();
      EXPECT_EQ(f.Description(), "b") << "the table still reads the file it opened";
    }
  }
}

TEST(EditTest, AFailedWriteIsAnErrorAndTheFileStillOpens) {
  // Write calls of one Post: append = slot, header; reuse = slot, header,
  // record header. Delete = record header, header. Edit = slot.
  struct Case {
    const char* what;
    std::function<void(ReplyTableFixture&)> op;
    int failingWrite;
    int32_t recordsAfter;
  } cases[] = {
      {"append, slot", [](ReplyTableFixture& f) { f.Add("C", "new"); }, 1, 2},
      {"append, header", [](ReplyTableFixture& f) { f.Add("C", "new"); }, 2, 2},
      {"reuse, slot", [](ReplyTableFixture& f) { f.Add("C", "new"); }, 1, 2},
      {"delete, record header", [](ReplyTableFixture& f) { f.table.Delete(); }, 1, 2},
      {"delete, header", [](ReplyTableFixture& f) { f.table.Delete(); }, 2, 2},
  };
  for (const Case& c : cases) {
    platform::FaultEnv env(platform::Env::Default());
    ReplyTableFixture f(env);
    f.CreateAndOpen();
    f.Add("C", "a");
    f.Add("C", "b");
    if (std::string(c.what).rfind("reuse", 0) == 0) {
      f.Add("C", "gone");
      f.table.Delete();
    }
    const std::string before = f.Bytes();
    env.FailWriteNumber(c.failingWrite);
    EXPECT_THROW(c.op(f), EStreamError) << c.what;
    env.FailWriteNumber(0);
    f.table.Cancel();
    f.table.Close();
    EXPECT_EQ(f.Bytes(), before) << c.what;
    f.table.Open();
    EXPECT_EQ(f.table.RecordCount(), c.recordsAfter) << c.what;
  }
}

TEST(EditTest, AFullDiskDuringAPostIsReported) {
  tq::testing::TempDir dir;
  platform::FaultEnv env(platform::Env::Default());
  TBinaryDataSet t(env);
  t.SetTableName(dir.File("t.qdk"));
  DeclareReplyFields(t);
  t.CreateTable();
  t.Open();
  env.FailWritesAfter(1000);
  t.Insert();
  t.FieldByName("Response").SetAsString("text");
  EXPECT_EQ(Message([&] { t.Post(); }), "Stream write error");
  EXPECT_EQ(t.State(), dsInsert);
}

TEST(EditTest, ErrorHooksCanRetryOrAbort) {
  platform::FaultEnv env(platform::Env::Default());
  ReplyTableFixture f(env);
  f.CreateAndOpen();
  int calls = 0;
  f.table.OnPostError = [&](TBinaryDataSet&, const std::exception& e, TDataAction& action) {
    ++calls;
    EXPECT_STREQ(e.what(), "Stream write error");
    action = daRetry;
  };
  env.FailWriteNumber(1);
  f.Add("C", "retried");
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(f.table.RecordCount(), 1);

  f.table.OnDeleteError = [&](TBinaryDataSet&, const std::exception&, TDataAction& action) { action = daAbort; };
  env.FailWriteNumber(1);
  EXPECT_THROW(f.table.Delete(), EAbort);
  EXPECT_EQ(f.table.RecordCount(), 1);
}

TEST(EditTest, NotificationHooksInOrder) {
  ReplyTableFixture f;
  f.table.CreateTable();
  std::string log;
  auto hook = [&](const char* name) { return [&log, name](TBinaryDataSet&) { log += std::string(name) + " "; }; };
  f.table.BeforeOpen = hook("BeforeOpen");
  f.table.AfterOpen = hook("AfterOpen");
  f.table.BeforeInsert = hook("BeforeInsert");
  f.table.OnNewRecord = [&](TBinaryDataSet& t) {
    log += "OnNewRecord ";
    t.FieldByName("Category").SetAsString("default");
  };
  f.table.AfterInsert = hook("AfterInsert");
  f.table.BeforePost = hook("BeforePost");
  f.table.AfterPost = hook("AfterPost");
  f.table.BeforeEdit = hook("BeforeEdit");
  f.table.AfterEdit = hook("AfterEdit");
  f.table.BeforeCancel = hook("BeforeCancel");
  f.table.AfterCancel = hook("AfterCancel");
  f.table.BeforeDelete = hook("BeforeDelete");
  f.table.AfterDelete = hook("AfterDelete");
  f.table.BeforeClose = hook("BeforeClose");
  f.table.AfterClose = hook("AfterClose");
  f.table.Open();
  f.table.Insert();
  EXPECT_FALSE(f.table.Modified());  // defaults of OnNewRecord are not changes
  f.table.FieldByName("Description").SetAsString("x");
  f.table.Post();
  EXPECT_EQ(f.table.FieldByName("Category").AsString(), "default");
  f.table.Edit();
  f.table.Cancel();
  f.table.Delete();
  f.table.Close();
  EXPECT_EQ(log,
            "BeforeOpen AfterOpen BeforeInsert OnNewRecord AfterInsert BeforePost AfterPost BeforeEdit AfterEdit "
            "BeforeCancel AfterCancel BeforeDelete AfterDelete BeforeClose AfterClose ");
}

}  // namespace
}  // namespace tq::storage
