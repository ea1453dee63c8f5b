// Walking a table: the cursor over live records in slot order, Bof/Eof,
// MoveBy, RecNo (a physical number) and bookmarks.
#include <gtest/gtest.h>

#include "storage/errors.h"
#include "storage/test_support.h"

namespace tq::storage {
namespace {

using testing::ReplyTableFixture;

// Descriptions of the records from the first on, in navigation order.
std::vector<std::string> Walk(ReplyTableFixture& f) {
  std::vector<std::string> seen;
  for (f.table.First(); !f.table.Eof(); f.table.Next()) seen.push_back(f.Description());
  return seen;
}

class CursorTest : public ::testing::Test {
 protected:
  // Records A to E in slots 0 to 4.
  void FiveRecords() {
    f.CreateAndOpen();
    for (const char* d : {"A", "B", "C", "D", "E"}) f.Add("Cat", d);
  }
  void DeleteDescription(const std::string& d) {
    for (f.table.First(); f.Description() != d; f.table.Next()) ASSERT_FALSE(f.table.Eof());
    f.table.Delete();
  }
  ReplyTableFixture f;
};

TEST_F(CursorTest, EmptyTable) {
  f.CreateAndOpen();
  f.table.First();
  EXPECT_TRUE(f.table.Bof());
  EXPECT_TRUE(f.table.Eof());
  EXPECT_EQ(f.table.RecordCount(), 0);
  EXPECT_EQ(f.table.RecNo(), 1);
  EXPECT_EQ(f.table.MoveBy(5), 0);
  EXPECT_EQ(f.Description(), "");
  try {
    f.table.Delete();
    FAIL();
  } catch (const EDatabaseError& e) {
    EXPECT_STREQ(e.what(), "Cannot perform this operation on an empty dataset");
  }
  f.table.Edit();  // acts as Insert on a table without records
  EXPECT_EQ(f.table.State(), dsInsert);
}

TEST_F(CursorTest, WalksLiveRecordsInSlotOrderWithPhysicalRecordNumbers) {
  f.CreateAndOpen();
  for (const char* d : {"0", "1", "2"}) f.Add("Cat", d);
  DeleteDescription("1");
  EXPECT_EQ(f.table.RecordCount(), 2);
  f.table.First();
  EXPECT_EQ(f.Description(), "0");
  EXPECT_EQ(f.table.RecNo(), 1);
  f.table.Next();
  EXPECT_EQ(f.Description(), "2");
  EXPECT_EQ(f.table.RecNo(), 3);
  EXPECT_FALSE(f.table.Eof());
  f.table.Next();
  EXPECT_TRUE(f.table.Eof());
  EXPECT_EQ(f.Description(), "2");  // Eof keeps the last record current

  // A new record fills the freed slot 1 and lands between the other two.
  f.Add("Cat", "new");
  EXPECT_EQ(f.table.RecNo(), 2);
  EXPECT_EQ(f.Description(), "new");
  EXPECT_EQ(Walk(f), (std::vector<std::string>{"0", "new", "2"}));
}

TEST_F(CursorTest, AppendAlsoReusesTheFreedSlot) {
  f.CreateAndOpen();
  for (const char* d : {"0", "1", "2"}) f.Add("Cat", d);
  DeleteDescription("1");
  f.table.Append();
  f.table.FieldByName("Description").SetAsString("appended");
  f.table.Post();
  EXPECT_EQ(f.table.RecNo(), 2);
  EXPECT_EQ(Walk(f), (std::vector<std::string>{"0", "appended", "2"}));
  EXPECT_EQ(f.Bytes().size(), 212u + 3 * 4184);
}

TEST_F(CursorTest, BofEofAndMoveBy) {
  FiveRecords();
  f.table.First();
  EXPECT_TRUE(f.table.Bof());
  EXPECT_FALSE(f.table.Eof());
  EXPECT_EQ(f.table.MoveBy(3), 3);
  EXPECT_EQ(f.Description(), "D");
  EXPECT_FALSE(f.table.Bof());
  EXPECT_EQ(f.table.MoveBy(10), 1);  // stops at the end
  EXPECT_TRUE(f.table.Eof());
  EXPECT_EQ(f.Description(), "E");
  EXPECT_EQ(f.table.MoveBy(1), 0);
  EXPECT_EQ(f.table.MoveBy(-2), -2);
  EXPECT_EQ(f.Description(), "C");
  EXPECT_EQ(f.table.MoveBy(-10), -2);
  EXPECT_TRUE(f.table.Bof());
  EXPECT_EQ(f.Description(), "A");
  EXPECT_EQ(f.table.MoveBy(0), 0);
  f.table.Last();
  EXPECT_TRUE(f.table.Eof());
  EXPECT_FALSE(f.table.Bof());
  EXPECT_EQ(f.Description(), "E");
  f.table.Prior();
  EXPECT_EQ(f.Description(), "D");
  EXPECT_FALSE(f.table.Eof());

  // The main window's way to a reply index: First, then MoveBy(index).
  DeleteDescription("B");
  f.table.First();
  f.table.MoveBy(2);
  EXPECT_EQ(f.Description(), "D");
}

TEST_F(CursorTest, DeletingMovesToTheNextRecordOrElseThePrevious) {
  FiveRecords();
  DeleteDescription("C");
  EXPECT_EQ(f.Description(), "D");
  f.table.Last();
  f.table.Delete();
  EXPECT_EQ(f.Description(), "D");  // the last one went: back to the previous
  EXPECT_FALSE(f.table.Eof());
  f.table.First();
  f.table.Delete();
  EXPECT_EQ(f.Description(), "B");
  f.table.Delete();
  f.table.Delete();
  EXPECT_TRUE(f.table.IsEmpty());
  EXPECT_TRUE(f.table.Bof());
  EXPECT_TRUE(f.table.Eof());
  EXPECT_EQ(f.table.RecordCount(), 0);
}

TEST_F(CursorTest, SettingRecNo) {
  FiveRecords();
  DeleteDescription("A");  // slot 0 freed
  DeleteDescription("C");  // slot 2 freed
  struct Case {
    int32_t recNo;
    std::string lands;  // "" : ignored, stays on the record before
  } cases[] = {{1, "B"}, {2, "B"}, {3, "D"}, {5, "E"}, {4, "D"}, {0, ""}, {6, ""}, {-1, ""}};
  for (const Case& c : cases) {
    f.table.Last();
    f.table.SetRecNo(c.recNo);
    EXPECT_EQ(f.Description(), c.lands.empty() ? "E" : c.lands) << c.recNo;
  }
  // Every number RecNo gives can be set again, above RecordCount included.
  f.table.Last();
  const int32_t recNo = f.table.RecNo();
  EXPECT_EQ(recNo, 5);
  EXPECT_GT(recNo, f.table.RecordCount());
  f.table.First();
  f.table.SetRecNo(recNo);
  EXPECT_EQ(f.Description(), "E");
}

TEST_F(CursorTest, Bookmarks) {
  FiveRecords();
  f.table.First();
  f.table.Next();
  const TBookmark b = f.table.GetBookmark();
  EXPECT_EQ(b, 1);
  f.table.Last();
  f.table.GotoBookmark(b);
  EXPECT_EQ(f.Description(), "B");

  DeleteDescription("C");
  struct Case {
    TBookmark bookmark;
    std::string message;
  } cases[] = {{2, "Record not found"}, {5, "Bookmark 5 not found"}, {-1, "Bookmark -1 not found"}};
  for (const Case& c : cases) {
    try {
      f.table.GotoBookmark(c.bookmark);
      ADD_FAILURE() << c.bookmark;
    } catch (const std::exception& e) {
      EXPECT_EQ(e.what(), c.message);
    }
  }
  EXPECT_THROW(f.table.GotoBookmark(2), EDatabaseError);
  EXPECT_THROW(f.table.GotoBookmark(5), EBinaryDataSetError);
}

TEST_F(CursorTest, ScrollHooksAndCalcFieldsAreCalled) {
  FiveRecords();
  int before = 0, after = 0, calc = 0;
  f.table.BeforeScroll = [&](TBinaryDataSet&) { ++before; };
  f.table.AfterScroll = [&](TBinaryDataSet&) { ++after; };
  f.table.OnCalcFields = [&](TBinaryDataSet& t) {
    ++calc;
    EXPECT_FALSE(t.FieldByName("Description").AsString().empty());
  };
  f.table.First();
  f.table.Next();
  f.table.Next();
  EXPECT_EQ(before, 3);
  EXPECT_EQ(after, 3);
  EXPECT_EQ(calc, 3);
}

}  // namespace
}  // namespace tq::storage
