#include "storage/table_check.h"

#include <gtest/gtest.h>

#include "storage/errors.h"
#include "storage/test_support.h"

namespace tq::storage {
namespace {

using namespace testing;

TEST(TableCheckTest, FindsWhatIsWrong) {
  // Slots: 0 live, 1 deleted (end of list), 2 live.
  auto file = [](int32_t records, int32_t deleted, int32_t firstFree, int32_t next1, const std::string& tail = "") {
    return HeaderBytes(4, 4184, records, deleted, firstFree, 212) + ReplyDescriptorBytes() +
           ReplySlotBytes(0, "a", "b", "c", 0) + ReplySlotBytes(next1, "", "", "", 0) +
           ReplySlotBytes(0, "d", "e", "f", 0) + tail;
  };
  std::string unterminated = file(2, 1, 2, -1);
  unterminated.replace(212 + 2 * 4184 + 8, 36, std::string(36, 'x'));
  std::string badDescriptor = file(2, 1, 2, -1);
  badDescriptor.replace(48 + 41 * 3, 41, DescriptorBytes("HotKey", 3, 4, 0).replace(28, 1, 1, '\x0C'));
  struct Case {
    const char* what;
    std::string bytes;
    std::vector<std::string> problems;
  } cases[] = {
      {"sound", file(2, 1, 2, -1), {}},
      {"deleted slot off the list",
       file(2, 1, -1, -1),
       {"1 deleted slots are not on the free list.", "The header counts 1 deleted slots; the free list holds 0."}},
      {"list holds a live record",
       file(2, 1, 1, -1),
       {"The free list holds the live record in slot 0 (record number 1).",
        "1 deleted slots are not on the free list."}},
      {"list in a circle", file(2, 1, 2, 2), {"The free list runs in a circle at slot 1 (record number 2)."}},
      {"live count",
       file(3, 0, 2, -1).substr(0, 212 + 3 * 4184),
       {"The header counts 3 live records; the file holds 2.",
        "The header counts 0 deleted slots; the free list holds 1."}},
      {"unterminated text",
       unterminated,
       {"The text of field 'Category' in slot 2 (record number 3) has no terminating zero."}},
      {"unknown type", badDescriptor, {"Field 4 'HotKey' has the unsupported type code 12."}},
      {"one byte more",
       file(2, 1, 2, -1, "x"),
       {"Open: Invalid record size.; StartData   : 212; fRecordCount: 2; fRecordSize : 4184; fStream.SIze: 12765"}},
      {"not a table", std::string(60, 'x'), {"Invalid file type."}},
  };
  tq::testing::TempDir dir;
  for (const Case& c : cases) {
    WriteBytes(dir.File("t.qdk"), c.bytes);
    TableCheckReport r = CheckTableFile(platform::Env::Default(), dir.File("t.qdk"));
    EXPECT_TRUE(r.readable) << c.what;
    EXPECT_EQ(r.problems, c.problems) << c.what;
  }
  TableCheckReport missing = CheckTableFile(platform::Env::Default(), dir.File("none.qdk"));
  EXPECT_FALSE(missing.readable);
  EXPECT_EQ(missing.problems, std::vector<std::string>{"Table file not found."});
}

TEST(TableCheckTest, EngineWrittenFilesAreSound) {
  ReplyTableFixture f;
  f.CreateAndOpen();
  for (const char* d : {"a", "b", "c", "d"}) f.Add("C", d, std::string(4096, 'r'));
  f.table.SetRecNo(2);
  f.table.Delete();
  f.table.SetRecNo(4);
  f.table.Delete();
  f.table.SortTable({"Description"});
  f.table.Close();
  TableCheckReport r = CheckTableFile(platform::Env::Default(), f.path);
  EXPECT_TRUE(r.opens);
  EXPECT_TRUE(r.replyLayout);
  EXPECT_TRUE(r.problems.empty()) << r.problems[0];
  EXPECT_TRUE(r.notes.empty());
}

TEST(TableCheckTest, DamagedReplyMarksAreReportedNotRead) {
  // Written byte by byte: a marked reply as the codec writes it, the same
  // with its mark cut short, and a reply of Windows-1252 text.
  const std::string good = "{\\rtf1{\\*\\tqplain}\\ansi\\ansicpg1252\\uc1 \\u1046?}";
  const std::string cut = "{\\rtf1{\\*\\tqplain}{\\*\\tqcategory \\u1046}";
  tq::testing::TempDir dir;
  const std::string path = dir.File("marks.qdk");
  WriteBytes(path, HeaderBytes(4, 4184, 3, 0, 0, 212) + ReplyDescriptorBytes() + ReplySlotBytes(0, "C", "a", good, 0) +
                       ReplySlotBytes(0, "C", "b", cut, 0) + ReplySlotBytes(0, "C", "c", "caf\xe9", 0));
  TableCheckReport r = CheckTableFile(platform::Env::Default(), path);
  EXPECT_EQ(r.problems, std::vector<std::string>{
                            "The reply in slot 1 (record number 2) has marker groups ({\\*\\tq...) in its Response "
                            "that this program would not write so; it reads as ordinary rich text."});
}

// Descriptors built to overflow the arithmetic on sizes: the open refuses
// them before binding a field, the checker reports them, and neither
// computes past the limits of its integers.
TEST(TableCheckTest, CraftedSizesAreRefusedNotOverflowed) {
  tq::testing::TempDir dir;
  const std::string path = dir.File("crafted.qdk");
  const std::vector<std::string> descriptors = {
      DescriptorBytes("Category", 1, INT32_MIN, 32),
      DescriptorBytes("Category", 1, INT32_MAX, INT32_MAX),
      DescriptorBytes("Category", 1, 36, INT32_MAX - 1),
  };
  for (const std::string& d : descriptors) {
    WriteBytes(path, HeaderBytes(1, 44, 0, 0, -1, 89) + d);
    TableCheckReport r = CheckTableFile(platform::Env::Default(), path);
    EXPECT_FALSE(r.problems.empty());
    TBinaryDataSet t;
    t.SetTableName(path);
    t.AddField("Category", ftString, 32);
    try {
      t.Open();
      // Only the last is openable: its storage is sane, its size absurd.
      EXPECT_EQ(t.FieldByName("Category").TextCapacity(), 32);
    } catch (const EBinaryDataSetError& e) {
      EXPECT_STREQ(e.what(), "Open: Invalid field storage size.");
    }
  }
}

// A table without records is not held to its stored record size when it
// opens; the checker reports a wrong one and the first write corrects it, so
// the table still opens once it holds a record.
TEST(TableCheckTest, AWrongRecordSizeWithoutRecordsIsReportedAndCorrected) {
  ReplyTableFixture f;
  WriteBytes(f.path, HeaderBytes(4, 999, 0, 0, -1, 212) + ReplyDescriptorBytes());
  TableCheckReport r = CheckTableFile(platform::Env::Default(), f.path);
  EXPECT_EQ(r.problems, std::vector<std::string>{"The header gives a record size of 999; the fields make 4184."});
  f.table.Open();
  f.Add("C", "d");
  f.table.Close();
  EXPECT_EQ(I32At(f.Bytes(), 28), 4184);
  f.table.Open();
  EXPECT_EQ(f.Description(), "d");
  EXPECT_TRUE(CheckTableFile(platform::Env::Default(), f.path).problems.empty());
}

}  // namespace
}  // namespace tq::storage
