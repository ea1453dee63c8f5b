// Sorting a table in place: the key order, deleted slots and the free list
// afterwards, refusals, and tables of more than 65,535 slots.
#include <gtest/gtest.h>

#include <set>

#include "storage/errors.h"
#include "storage/test_support.h"

namespace tq::storage {
namespace {

using namespace testing;

std::vector<std::string> Walk(ReplyTableFixture& f) {
  std::vector<std::string> seen;
  for (f.table.First(); !f.table.Eof(); f.table.Next())
    seen.push_back(f.table.FieldByName("Category").AsString() + "/" + f.Description());
  return seen;
}

// Checks, on the file's bytes, that the free list holds every deleted slot
// and nothing else, and that the counts agree.
void ExpectConsistentFreeList(const std::string& bytes, int32_t recordSize) {
  const int32_t records = I32At(bytes, 32), deleted = I32At(bytes, 36), start = I32At(bytes, 44);
  const int64_t slots = (static_cast<int64_t>(bytes.size()) - start) / recordSize;
  ASSERT_EQ(slots, records + deleted);
  std::set<int64_t> dead, listed;
  for (int64_t s = 0; s < slots; ++s)
    if (I32At(bytes, static_cast<size_t>(start + s * recordSize)) != 0) dead.insert(s);
  for (int32_t next = I32At(bytes, 40); next > 0;
       next = I32At(bytes, static_cast<size_t>(start + (next - 1) * int64_t{recordSize}))) {
    ASSERT_LE(next, slots);
    ASSERT_TRUE(listed.insert(next - 1).second) << "cycle at " << next;
  }
  EXPECT_EQ(listed, dead);
  EXPECT_EQ(static_cast<int32_t>(dead.size()), deleted);
}

TEST(SortTest, SortsByTheKeysInOrderOfSignificance) {
  ReplyTableFixture f;
  f.CreateAndOpen();
  f.Add("b", "2", "", 10);
  f.Add("a", "9", "", 9);
  f.Add("b", "1", "", 100);
  f.Add("B", "x", "", -5);
  f.Add("a", "3", "", 9);
  f.table.SortTable({"Category", "Description"});
  EXPECT_TRUE(f.table.Bof());  // the sort ends on the first record
  EXPECT_EQ(f.Description(), "x");
  EXPECT_EQ(Walk(f), (std::vector<std::string>{"B/x", "a/3", "a/9", "b/1", "b/2"}));

  // Integers compare as numbers, not as text.
  f.table.SortTable({"HotKey", "Description"});
  std::vector<int32_t> keys;
  for (f.table.First(); !f.table.Eof(); f.table.Next()) keys.push_back(f.table.FieldByName("HotKey").AsInteger());
  EXPECT_EQ(keys, (std::vector<int32_t>{-5, 9, 9, 10, 100}));
  EXPECT_EQ(f.table.RecordCount(), 5);
}

TEST(SortTest, DeletedSlotsStayOnACorrectFreeList) {
  ReplyTableFixture f;
  f.CreateAndOpen();
  for (const char* d : {"m", "c", "x", "a", "q", "b", "z", "k"}) f.Add("C", d);
  for (int recNo : {2, 5, 8}) {  // c, q, k
    f.table.SetRecNo(recNo);
    f.table.Delete();
  }
  f.table.SortTable({"Description"});
  EXPECT_EQ(Walk(f), (std::vector<std::string>{"C/a", "C/b", "C/m", "C/x", "C/z"}));
  ExpectConsistentFreeList(f.Bytes(), 4184);
  EXPECT_EQ(I32At(f.Bytes(), 36), 3);

  // New records go into the freed slots only; nothing live is overwritten.
  for (const char* d : {"n1", "n2", "n3", "n4"}) f.Add("D", d);
  EXPECT_EQ(f.Bytes().size(), 212u + 9 * 4184);
  EXPECT_EQ(f.table.RecordCount(), 9);
  std::vector<std::string> all = Walk(f);
  std::sort(all.begin(), all.end());
  EXPECT_EQ(all, (std::vector<std::string>{"C/a", "C/b", "C/m", "C/x", "C/z", "D/n1", "D/n2", "D/n3", "D/n4"}));
}

TEST(SortTest, RefusalsLeaveTheFileAlone) {
  ReplyTableFixture f;
  f.table.CreateTable();
  try {
    f.table.SortTable({"Category"});
    ADD_FAILURE();
  } catch (const EDatabaseError& e) {
    EXPECT_STREQ(e.what(), "Cannot perform this operation on a closed dataset");
  }
  f.table.Open();
  for (const char* d : {"b", "a"}) f.Add("C", d);
  const std::string before = f.Bytes();
  try {
    f.table.SortTable({"Description", "Nope"});
    ADD_FAILURE();
  } catch (const EDatabaseError& e) {
    EXPECT_STREQ(e.what(), "Field 'Nope' not found");
  }
  EXPECT_EQ(f.Bytes(), before);

  // A pending record is settled before the sort.
  f.table.Insert();
  f.table.FieldByName("Description").SetAsString("0");
  f.table.SortTable({"Description"});
  EXPECT_EQ(Walk(f), (std::vector<std::string>{"/0", "C/a", "C/b"}));
}

TEST(SortTest, MoreThan65535Slots) {
  tq::testing::TempDir dir;
  const std::string path = dir.File("big.tbl");
  constexpr int32_t kSlots = 66000;
  ByteWriter w;
  w.Raw(HeaderBytes(1, 12, kSlots - 2, 2, 1, 89)).Raw(DescriptorBytes("N", 3, 4, 0));
  // Descending keys; slots 0 and 65999 are deleted (a free list of two).
  for (int32_t s = 0; s < kSlots; ++s) w.I32(s == 0 ? kSlots : s == kSlots - 1 ? -1 : 0).I32(0).I32(kSlots - s);
  WriteBytes(path, w.bytes());
  TBinaryDataSet t;
  t.SetTableName(path);
  t.Open();
  t.SortTable({"N"});
  int32_t previous = INT32_MIN, count = 0;
  for (t.First(); !t.Eof(); t.Next(), ++count) {
    const int32_t n = t.FieldByName("N").AsInteger();
    ASSERT_LE(previous, n);
    previous = n;
  }
  EXPECT_EQ(count, kSlots - 2);
  t.Close();
  ExpectConsistentFreeList(ReadBytes(path), 12);
}

}  // namespace
}  // namespace tq::storage
