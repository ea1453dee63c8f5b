// Password protection: the check dialogue and its three block states,
// encoded slots, refusals, ChangePassword with its backup, Lock, and the
// remembered password's life.
#include <gtest/gtest.h>

#include <deque>

#include "platform/fault_env.h"
#include "storage/errors.h"
#include "storage/test_support.h"

namespace tq::storage {
namespace {

using namespace testing;

// Works position by position from the start of each buffer, as the format
// requires, and differs for every password (the empty one included).
void XorCrypt(uint8_t* buffer, int size, const std::string& password, bool) {
  for (int i = 0; i < size; ++i)
    buffer[i] ^=
        static_cast<uint8_t>(0x5A ^ (password.empty() ? 0 : password[static_cast<size_t>(i) % password.size()]));
}

// A table with both hooks; the dialogue answers from a queue (an empty
// queue declines) and records what it was asked.
class PasswordTest : public ::testing::Test {
 protected:
  explicit PasswordTest(platform::Env& env = platform::Env::Default()) : f(env) { Hook(f.table); }
  void Hook(TBinaryDataSet& t) {
    t.OnCryptData = XorCrypt;
    t.OnGetPassword = [this](std::string& password, bool& handled, bool creating) {
      asked.push_back(creating ? "create" : "enter");
      if (answers.empty()) {
        handled = false;
        return;
      }
      password = answers.front();
      answers.pop_front();
    };
    t.OnMessage = [this](const std::string& m) { messages.push_back(m); };
  }
  // A protected table with records a, b, c and password "old".
  void ProtectedTable() {
    f.table.CreateTable();
    answers = {"old"};
    f.table.Open();
    for (const char* d : {"a", "b", "c"}) f.Add("C", d);
    asked.clear();
  }
  std::vector<std::string> Walk() {
    std::vector<std::string> seen;
    for (f.table.First(); !f.table.Eof(); f.table.Next()) seen.push_back(f.Description());
    return seen;
  }

  ReplyTableFixture f;
  std::deque<std::string> answers;
  std::vector<std::string> asked;
  std::vector<std::string> messages;
};

TEST_F(PasswordTest, ANewTableAsksForANewPasswordAndEncodesItsRecords) {
  ProtectedTable();
  const std::string bytes = f.Bytes();
  // The check block holds the sentinel encoded with the password.
  CheckBlock block;
  std::copy(bytes.begin() + 8, bytes.begin() + 24, block.begin());
  XorCrypt(block.data(), 16, "old", true);
  EXPECT_EQ(block, SentinelCheckBlock());
  // Slots are stored encoded, record header included.
  EXPECT_NE(bytes.substr(212 + 8, 2), std::string("C\0", 2));
  EXPECT_NE(I32At(bytes, 212), 0);
  EXPECT_EQ(Walk(), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_TRUE(asked.empty());  // remembered while the table is used

  f.table.Close();
  answers = {"wrong", "old"};
  f.table.Lock();
  f.table.Open();
  EXPECT_EQ(asked, (std::vector<std::string>{"enter", "enter"}));
  EXPECT_EQ(messages, std::vector<std::string>{"Incorrect password.  Please try again."});
  EXPECT_EQ(Walk(), (std::vector<std::string>{"a", "b", "c"}));

  // Deleting and reusing slots works on encoded record headers.
  f.table.First();
  f.table.Delete();
  f.Add("C", "d");
  EXPECT_EQ(f.table.RecNo(), 1);
  EXPECT_EQ(Walk(), (std::vector<std::string>{"d", "b", "c"}));
}

TEST_F(PasswordTest, AnEmptyNewPasswordLeavesTheTablePlain) {
  f.table.CreateTable();
  answers = {""};
  f.table.Open();
  EXPECT_EQ(asked, std::vector<std::string>{"create"});
  f.Add("Plain", "x");
  const std::string bytes = f.Bytes();
  EXPECT_EQ(bytes.substr(8, 16), std::string(16, '\0'));
  EXPECT_EQ(bytes.substr(212 + 8, 5), std::string("Plain", 5));
  f.table.Close();
  f.table.Open();
  EXPECT_EQ(asked.size(), 1u);  // a table without password never asks
}

TEST_F(PasswordTest, DeclinedOrImpossibleDialoguesFail) {
  ProtectedTable();
  f.table.Close();
  f.table.Lock();
  // Handled cleared: the first record read fails, so the open does.
  try {
    f.table.Open();
    ADD_FAILURE();
  } catch (const EBinaryDataSetError& e) {
    EXPECT_STREQ(e.what(), "GetRecord: Invalid Password");
  }
  EXPECT_FALSE(f.table.Active());

  // No dialogue at all: one wrong comparison ends it instead of looping.
  f.table.OnGetPassword = nullptr;
  messages.clear();
  EXPECT_THROW(f.table.Open(), EBinaryDataSetError);
  EXPECT_EQ(messages.size(), 1u);

  // Storing and deleting run the check too.
  Hook(f.table);
  answers = {"old"};
  f.table.Open();
  f.table.Lock();
  f.table.Insert();
  f.table.FieldByName("Description").SetAsString("x");
  try {
    f.table.Post();
    ADD_FAILURE();
  } catch (const EBinaryDataSetError& e) {
    EXPECT_STREQ(e.what(), "You must enter the password before modifying or viewing this table.");
  }
  EXPECT_EQ(f.table.State(), dsInsert);
  answers = {"old"};  // dropping the new record re-reads the current one
  f.table.Cancel();
  f.table.Lock();
  EXPECT_THROW(f.table.Delete(), EBinaryDataSetError);
  EXPECT_EQ(f.table.RecordCount(), 3);
}

TEST_F(PasswordTest, APasswordIsNeverCarriedOverToAnotherFile) {
  ProtectedTable();
  f.table.Close();
  const std::string other = f.dir.File("other.qdk");
  f.table.SetTableName(other);
  f.table.CreateTable();
  answers = {"second"};
  f.table.Open();  // a new file: asked again, not opened with "old"
  EXPECT_EQ(asked, std::vector<std::string>{"create"});
  f.table.Close();
  f.table.SetTableName(f.path);
  answers = {"old"};
  f.table.Open();
  EXPECT_EQ(asked, (std::vector<std::string>{"create", "enter"}));
  EXPECT_EQ(Walk(), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(PasswordTest, ChangePasswordReencodesEverySlot) {
  ProtectedTable();
  f.table.SetRecNo(2);
  f.table.Delete();  // deleted slots are re-encoded too
  answers = {"old", "new"};
  EXPECT_TRUE(f.table.ChangePassword());
  EXPECT_EQ(asked, (std::vector<std::string>{"enter", "create"}));
  EXPECT_FALSE(platform::Env::Default().FileExists(f.path + ".bak"));
  f.Add("C", "reused");
  EXPECT_EQ(f.table.RecNo(), 2);
  f.table.Close();
  f.table.Lock();
  answers = {"old", "new"};
  f.table.Open();
  EXPECT_EQ(messages, std::vector<std::string>{"Incorrect password.  Please try again."});
  EXPECT_EQ(Walk(), (std::vector<std::string>{"a", "reused", "c"}));

  // Changing to an empty password decodes the table for good.
  answers = {"new", ""};
  EXPECT_TRUE(f.table.ChangePassword());
  EXPECT_EQ(f.Bytes().substr(8, 16), std::string(16, '\0'));
  EXPECT_EQ(f.Bytes().substr(212 + 8, 1), "C");
}

TEST_F(PasswordTest, ADeclinedNewPasswordKeepsTheOldOne) {
  ProtectedTable();
  const std::string before = f.Bytes();
  answers = {"old"};  // then the new one is declined
  EXPECT_FALSE(f.table.ChangePassword());
  EXPECT_EQ(f.Bytes(), before);
  EXPECT_EQ(Walk(), (std::vector<std::string>{"a", "b", "c"}));  // old password still in force
  f.Add("C", "d");
  f.table.Close();
  f.table.Lock();
  answers = {"old"};
  f.table.Open();
  EXPECT_EQ(Walk(), (std::vector<std::string>{"a", "b", "c", "d"}));
}

TEST_F(PasswordTest, ChangePasswordNeedsBothHooksAndAnOpenTable) {
  f.table.CreateTable();
  EXPECT_THROW(f.table.ChangePassword(), EDatabaseError);
  TBinaryDataSet plain;
  plain.SetTableName(f.path);
  plain.Open();
  plain.OnCryptData = XorCrypt;
  EXPECT_FALSE(plain.ChangePassword());
  EXPECT_FALSE(platform::Env::Default().FileExists(f.path + ".bak"));
}

TEST_F(PasswordTest, PlainRecordsOfATableWithoutAChosenPasswordStayReadable) {
  // Written without hooks, as the reply library always is.
  {
    ReplyTableFixture plain;
    plain.CreateAndOpen();
    plain.Add("C", "plain");
    plain.table.Close();
    WriteBytes(f.path, plain.Bytes());
  }
  f.table.Open();
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(Walk(), std::vector<std::string>{"plain"});
  // ChangePassword is the way to protect it.
  answers = {"pw"};
  EXPECT_TRUE(f.table.ChangePassword());
  EXPECT_EQ(asked, std::vector<std::string>{"create"});
  f.table.Close();
  f.table.Lock();
  answers = {"pw"};
  f.table.Open();
  EXPECT_EQ(Walk(), std::vector<std::string>{"plain"});
  EXPECT_EQ(f.Bytes().find("plain"), std::string::npos);
}

class PasswordFailureTest : public PasswordTest {
 protected:
  PasswordFailureTest() : PasswordTest(env) {}
  platform::FaultEnv env{platform::Env::Default()};
};

TEST_F(PasswordFailureTest, AFailedChangeRestoresTheFileFromItsCopy) {
  ProtectedTable();
  const std::string before = f.Bytes();
  answers = {"old", "new"};
  env.FailWriteNumber(4);  // the copy, the header, one slot, then this slot fails
  EXPECT_FALSE(f.table.ChangePassword());
  env.FailWriteNumber(0);
  EXPECT_EQ(f.Bytes(), before);
  EXPECT_TRUE(f.table.Active());
  EXPECT_FALSE(env.FileExists(f.path + ".bak"));
  EXPECT_EQ(Walk(), (std::vector<std::string>{"a", "b", "c"}));
}

}  // namespace
}  // namespace tq::storage
