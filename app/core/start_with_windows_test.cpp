#include "app/core/start_with_windows.h"

#include <gtest/gtest.h>

#include "tests/support/test_key_store.h"

namespace tq::app {
namespace {

using platform::KeyRoot;

constexpr char kProgram[] = "C:\\Program Files\\Tavrin Quillet\\TavrinQuillet.exe";

std::unique_ptr<platform::Key> RunKey(platform::KeyStore& store) {
  return store.Open(KeyRoot::CurrentUser, std::string(RunKeyPath), true);
}

TEST(StartWithWindowsTest, RunValueNamingThisProgram) {
  struct Case {
    const char* value;
    bool ours;
  } cases[] = {
      {"\"C:\\Program Files\\Tavrin Quillet\\TavrinQuillet.exe\"", true},
      {"\"c:\\program files\\tavrin quillet\\TAVRINQUILLET.EXE\"", true},  // Windows paths ignore case
      {"C:\\Program Files\\Tavrin Quillet\\TavrinQuillet.exe", true},      // unquoted, with blanks
      {"\"C:\\Program Files\\Tavrin Quillet\\TavrinQuillet.exe\" C:\\replies.qdk", true},
      {"C:\\Program Files\\Tavrin Quillet\\TavrinQuillet.exe C:\\replies.qdk", true},
      {"  \"C:\\Program Files\\Tavrin Quillet\\TavrinQuillet.exe\"", true},
      {"\"D:\\Portable\\TavrinQuillet.exe\"", false},  // another copy
      {"\"C:\\Program Files\\Tavrin Quillet\\TavrinQuillet.exe.bak\"", false},
      {"\"C:\\Program Files\\Tavrin Quillet\\TavrinQuillet.exe", true},  // closing quote lost
      {"", false},
  };
  for (const Case& c : cases) {
    tq::testing::TestKeyStore store;
    RunKey(store.raw())->WriteString("Tavrin Quillet", c.value);
    EXPECT_EQ(StartsWithWindows(store, kProgram), c.ours) << c.value;
  }
}

TEST(StartWithWindowsTest, NoValueNoKeyOrAnotherTypeIsOff) {
  tq::testing::TestKeyStore store;
  EXPECT_FALSE(StartsWithWindows(store, kProgram));
  EXPECT_FALSE(store.raw().KeyExists(KeyRoot::CurrentUser, std::string(RunKeyPath))) << "looking creates nothing";
  RunKey(store.raw())->WriteInteger("Tavrin Quillet", 1);
  EXPECT_FALSE(StartsWithWindows(store, kProgram));
}

TEST(StartWithWindowsTest, SwitchingOnWritesTheQuotedPathAndOffRemovesOnlyOurValue) {
  tq::testing::TestKeyStore store;
  RunKey(store.raw())->WriteString("Other Program", "C:\\other.exe");

  ASSERT_TRUE(SetStartWithWindows(store, kProgram, true));
  EXPECT_EQ(RunKey(store.raw())->ReadString("Tavrin Quillet"),
            "\"C:\\Program Files\\Tavrin Quillet\\TavrinQuillet.exe\"");
  EXPECT_TRUE(StartsWithWindows(store, kProgram));

  ASSERT_TRUE(SetStartWithWindows(store, kProgram, false));
  EXPECT_FALSE(RunKey(store.raw())->ValueExists("Tavrin Quillet"));
  EXPECT_EQ(RunKey(store.raw())->ReadString("Other Program"), "C:\\other.exe");
  EXPECT_TRUE(SetStartWithWindows(store, kProgram, false)) << "already off";
}

TEST(StartWithWindowsTest, SwitchingOnReplacesAnotherCopysValue) {
  tq::testing::TestKeyStore store;
  RunKey(store.raw())->WriteString("Tavrin Quillet", "\"D:\\Portable\\TavrinQuillet.exe\"");
  ASSERT_TRUE(SetStartWithWindows(store, kProgram, true));
  EXPECT_EQ(RunKey(store.raw())->ReadString("Tavrin Quillet"),
            "\"C:\\Program Files\\Tavrin Quillet\\TavrinQuillet.exe\"");
}

TEST(StartWithWindowsTest, RefusedStoreIsReported) {
  tq::testing::TestKeyStore store;
  store.refuse_open = true;
  EXPECT_FALSE(SetStartWithWindows(store, kProgram, true));
  EXPECT_TRUE(SetStartWithWindows(store, kProgram, false)) << "nothing there to remove";

  tq::testing::TestKeyStore failing;
  failing.fail_write = 0;
  EXPECT_FALSE(SetStartWithWindows(failing, kProgram, true));
  EXPECT_FALSE(StartsWithWindows(failing, kProgram));
}

}  // namespace
}  // namespace tq::app
