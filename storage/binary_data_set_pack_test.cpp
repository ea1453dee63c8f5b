// Packing: deleted slots dropped, live records kept in order, work files
// removed, damaged tails repaired, failures that leave the table untouched,
// and encoded tables judged on decoded record headers.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

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

// Whichever single write fails, the table is either as it was or packed,
// never in between, and no work file is left behind.
TEST(PackTest, AnyFailedWriteLeavesTheTableWholeOrPacked) {
  platform::FaultEnv env(platform::Env::Default());
  ReplyTableFixture f(env);
  ThreeLiveTwoDeleted(f);
  const std::string before = f.Bytes();
  env.FailWriteNumber(0);  // counts from here
  f.table.PackTable();
  const std::string packed = f.Bytes();
  const int writes = env.writes();
  ASSERT_GT(writes, 2);
  for (int n = 1; n <= writes; ++n) {
    WriteBytes(f.path, before);
    env.FailWriteNumber(n);
    EXPECT_THROW(f.table.PackTable(), EStreamError) << "write " << n;
    EXPECT_TRUE(f.Bytes() == before) << "write " << n;
    EXPECT_FALSE(env.FileExists(f.path + ",new"));
    EXPECT_FALSE(env.FileExists(f.path + ",old"));
  }
  env.FailWriteNumber(0);
  f.table.PackTable();
  EXPECT_TRUE(f.Bytes() == packed);
}

// When the table cannot be put back either (the disk stays full), the copy
// of it as it was stays beside it and the message names it.
TEST(PackTest, AFailureThatCannotBeUndoneKeepsTheOldCopy) {
  platform::FaultEnv env(platform::Env::Default());
  ReplyTableFixture f(env);
  ThreeLiveTwoDeleted(f);
  const std::string before = f.Bytes();
  const int64_t packedSize = 212 + 3 * 4184;
  // ",old" and ",new" complete, the copy over the table cut short.
  env.FailWritesAfter(static_cast<int64_t>(before.size()) + packedSize + 1000);
  try {
    f.table.PackTable();
    ADD_FAILURE();
  } catch (const EStreamError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Stream write error; the table as it was before the pack is kept in " + f.path + ",old");
  }
  env.FailWritesAfter(-1);
  EXPECT_TRUE(ReadBytes(f.path + ",old") == before);
  EXPECT_FALSE(env.FileExists(f.path + ",new"));
}

// A pack holds the table alone: it waits for no one and takes nothing from
// a writer or a reader that has the file open.
TEST(PackTest, RefusedWhileAnotherOpenerHoldsTheTable) {
  ReplyTableFixture f;
  ThreeLiveTwoDeleted(f);
  const std::string before = f.Bytes();
  for (bool readOnly : {false, true}) {
    TBinaryDataSet other;
    other.SetTableName(f.path);
    other.SetReadOnly(readOnly);
    DeclareReplyFields(other);
    other.Open();
    try {
      f.table.PackTable();
      ADD_FAILURE();
    } catch (const EStreamError& e) {
      EXPECT_EQ(std::string(e.what()), "Cannot open file " + f.path);
      EXPECT_NE(e.reason(), "");
    }
    EXPECT_TRUE(f.Bytes() == before);
  }
  f.table.PackTable();
  EXPECT_EQ(f.Bytes().size(), 212u + 3 * 4184);
}

#ifndef _WIN32
// The packed file is the same file: a symbolic link still leads to it, a
// hard link still shares it, and its mode is kept.
TEST(PackTest, KeepsTheFilesIdentity) {
  ReplyTableFixture f;
  ThreeLiveTwoDeleted(f);
  const std::string link = f.dir.File("link.qdk"), hard = f.dir.File("hard.qdk");
  ASSERT_EQ(symlink(f.path.c_str(), link.c_str()), 0);
  ASSERT_EQ(::link(f.path.c_str(), hard.c_str()), 0);
  ASSERT_EQ(chmod(f.path.c_str(), 0640), 0);
  struct stat was {};
  ASSERT_EQ(stat(f.path.c_str(), &was), 0);

  TBinaryDataSet viaLink;
  viaLink.SetTableName(link);
  viaLink.PackTable();
  struct stat linkStat {
  }, now{};
  ASSERT_EQ(lstat(link.c_str(), &linkStat), 0);
  EXPECT_TRUE(S_ISLNK(linkStat.st_mode));
  ASSERT_EQ(stat(f.path.c_str(), &now), 0);
  EXPECT_EQ(now.st_ino, was.st_ino);
  EXPECT_EQ(now.st_mode & 07777, 0640u);
  EXPECT_EQ(now.st_size, 212 + 3 * 4184);
  EXPECT_TRUE(ReadBytes(hard) == f.Bytes());
}
#endif

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
