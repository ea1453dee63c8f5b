// Packing: deleted slots dropped, live records kept in order, work files
// removed, damaged tails repaired, failures that leave the table untouched,
// and encoded tables judged on decoded record headers.
#include <gtest/gtest.h>

#include "platform/fault_env.h"
#include "storage/errors.h"
#include "storage/test_support.h"

namespace tq::storage {
namespace {

using namespace testing;

std::vector<std::string> Walk(TBinaryDataSet& t) {
  std::vector<std::string> seen;
  for (t.First(); !t.Eof(); t.Next()) seen.push_back(t.FieldByName("Description").AsString());
  return seen;
}

// Records r0 to r4, of which r1 and r3 deleted.
void ThreeLiveTwoDeleted(ReplyTableFixture& f) {
  f.CreateAndOpen();
  for (const char* d : {"r0", "r1", "r2", "r3", "r4"}) f.Add("C", d);
  f.table.SetRecNo(2);
  f.table.Delete();
  f.table.SetRecNo(4);
  f.table.Delete();
  f.table.Close();
}

TEST(PackTest, DropsDeletedSlotsAndKeepsTheOrder) {
  ReplyTableFixture f;
  ThreeLiveTwoDeleted(f);
  const std::string before = f.Bytes();
  f.table.PackTable();
  const std::string after = f.Bytes();
  ASSERT_EQ(after.size(), 212u + 3 * 4184);
  EXPECT_EQ(I32At(after, 32), 3);
  EXPECT_EQ(I32At(after, 36), 0);
  EXPECT_EQ(I32At(after, 40), -1);
  EXPECT_EQ(after.substr(48, 164), before.substr(48, 164));  // descriptors unchanged
  EXPECT_EQ(after.substr(212 + 4184, 4184), before.substr(212 + 2 * 4184, 4184));
  EXPECT_FALSE(platform::Env::Default().FileExists(f.path + ",old"));
  EXPECT_FALSE(platform::Env::Default().FileExists(f.path + ",new"));
  f.table.Open();
  EXPECT_EQ(Walk(f.table), (std::vector<std::string>{"r0", "r2", "r4"}));
  EXPECT_EQ(f.table.RecNo(), 3);  // renumbered
}

TEST(PackTest, RepairsAnInterruptedAppend) {
  ReplyTableFixture f;
  f.CreateAndOpen();
  f.Add("C", "kept");
  f.table.Close();
  // A slot written without its header update, then half a slot.
  WriteBytes(f.path, f.Bytes() + ReplySlotBytes(0, "C", "orphan", "", 0) + std::string(100, 'x'));
  EXPECT_THROW(f.table.Open(), EBinaryDataSetError);
  f.table.PackTable();
  f.table.Open();
  EXPECT_EQ(Walk(f.table), (std::vector<std::string>{"kept", "orphan"}));
  EXPECT_EQ(f.table.RecordCount(), 2);
}

TEST(PackTest, Refusals) {
  ReplyTableFixture f;
  try {
    f.table.PackTable();
    ADD_FAILURE();
  } catch (const EBinaryDataSetError& e) {
    EXPECT_EQ(e.what(), "Table " + f.path + " does not exist.");
  }
  f.CreateAndOpen();
  try {
    f.table.PackTable();
    ADD_FAILURE();
  } catch (const EDatabaseError& e) {
    EXPECT_STREQ(e.what(), "Cannot perform this operation on an open dataset");
  }
  f.table.Close();
  WriteBytes(f.path, "not a table at all, but long enough for a header..");
  EXPECT_THROW(f.table.PackTable(), EBinaryDataSetError);
  EXPECT_EQ(f.Bytes(), "not a table at all, but long enough for a header..");
}

TEST(PackTest, AFailedPackLeavesTheTableUntouched) {
  tq::testing::TempDir dir;
  platform::FaultEnv env(platform::Env::Default());
  ReplyTableFixture f(env);
  ThreeLiveTwoDeleted(f);
  const std::string before = f.Bytes();
  // Enough for the ",old" copy, not for the packed file.
  env.FailWritesAfter(static_cast<int64_t>(before.size()) + 5000);
  EXPECT_THROW(f.table.PackTable(), EStreamError);
  env.FailWritesAfter(-1);
  EXPECT_EQ(f.Bytes(), before);
  EXPECT_FALSE(env.FileExists(f.path + ",new"));
  EXPECT_FALSE(env.FileExists(f.path + ",old"));
}

void XorCrypt(uint8_t* buffer, int size, const std::string& password, bool) {
  for (int i = 0; i < size; ++i)
    buffer[i] ^=
        static_cast<uint8_t>(0x5A ^ (password.empty() ? 0 : password[static_cast<size_t>(i) % password.size()]));
}

TEST(PackTest, EncodedTablesAreJudgedOnDecodedRecordHeaders) {
  ReplyTableFixture f;
  int asked = 0;
  f.table.OnCryptData = XorCrypt;
  f.table.OnGetPassword = [&](std::string& password, bool&, bool) {
    ++asked;
    password = "pw";
  };
  ThreeLiveTwoDeleted(f);
  const std::string before = f.Bytes();
  EXPECT_NE(I32At(before, 212), 0);  // a live record, as stored
  f.table.Lock();
  f.table.PackTable();  // asks for the password it needs
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(f.Bytes().size(), 212u + 3 * 4184);
  f.table.Open();  // remembered from the pack
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(Walk(f.table), (std::vector<std::string>{"r0", "r2", "r4"}));
  f.table.Close();

  // Without the encoding hook the live records cannot be told apart.
  TBinaryDataSet plain;
  plain.SetTableName(f.path);
  const std::string packed = f.Bytes();
  EXPECT_THROW(plain.PackTable(), EBinaryDataSetError);
  EXPECT_EQ(f.Bytes(), packed);
}

}  // namespace
}  // namespace tq::storage
