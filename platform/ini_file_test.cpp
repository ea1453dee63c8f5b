#include "platform/ini_file.h"

#include <gtest/gtest.h>

#include "platform/memory_env.h"
#include "tests/support/temp_dir.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tq::platform {
namespace {

using testing::TempDir;

TEST(IniFile, RoundTripAndEdits) {
  TempDir dir;
  IniFile ini(Env::Default(), dir.File("Spell.cfg"));
  EXPECT_EQ(ini.ReadString("Joe", "Options", "dflt"), "dflt");
  ASSERT_TRUE(ini.WriteString("Joe", "Options", "1234"));
  ASSERT_TRUE(ini.WriteInteger("Joe", "DialogX", -5));
  ASSERT_TRUE(ini.WriteBool("Ann", "Flag", true));
  ASSERT_TRUE(ini.WriteString("joe", "options", "99"));  // names compare without case
  EXPECT_EQ(ini.ReadString("JOE", "OPTIONS", ""), "99");
  EXPECT_EQ(ini.ReadInteger("Joe", "DialogX", 0), -5);
  EXPECT_TRUE(ini.ReadBool("Ann", "Flag", false));
  EXPECT_EQ(ini.ReadSection("Joe"), (std::vector<std::string>{"Options", "DialogX"}));
  EXPECT_EQ(ini.ReadSections(), (std::vector<std::string>{"Joe", "Ann"}));
  std::string contents;
  ASSERT_TRUE(ReadWholeFile(Env::Default(), ini.path(), &contents));
  EXPECT_EQ(contents, "[Joe]\r\nOptions=99\r\nDialogX=-5\r\n\r\n[Ann]\r\nFlag=1\r\n");
  ASSERT_TRUE(ini.EraseSection("Joe"));
  EXPECT_FALSE(ini.SectionExists("Joe"));
  EXPECT_TRUE(ini.ValueExists("Ann", "Flag"));
  ASSERT_TRUE(ini.DeleteKey("Ann", "Flag"));
  EXPECT_FALSE(ini.ValueExists("Ann", "Flag"));
}

// A file as people and Windows leave them: blanks, quotes, comments, LF-only
// lines, keys without values, numbers in other notations.
TEST(IniFile, ReadsLooseFilesAsWindowsDoes) {
  TempDir dir;
  ASSERT_TRUE(WriteWholeFile(Env::Default(), dir.File("x.ini"),
                             "; comment\n[ Main ]\r\n  Name = Ann Lee  \r\nQuoted=\"  padded \"\r\nSingle='x'\r\n"
                             "Half=\"open\r\nHex=$1F\r\nHex2=0x10\r\nBad=12ab\r\nEmpty=\r\nnovalue\r\n"
                             "[Other]\r\nName=second\r\n[main]\r\nName=duplicate section\r\n"));
  IniFile ini(Env::Default(), dir.File("x.ini"));
  struct Row {
    const char* key;
    const char* expected;
  } rows[] = {{"Name", "Ann Lee"}, {"Quoted", "  padded "}, {"Single", "x"}, {"Half", "\"open"},
              {"Empty", ""},       {"novalue", "dflt"},     {"missing", "dflt"}};
  for (const Row& r : rows) EXPECT_EQ(ini.ReadString("main", r.key, "dflt"), r.expected) << r.key;
  EXPECT_EQ(ini.ReadInteger("Main", "Hex", 0), 31);
  EXPECT_EQ(ini.ReadInteger("Main", "Hex2", 0), 16);
  EXPECT_EQ(ini.ReadInteger("Main", "Bad", 7), 7);
  EXPECT_EQ(ini.ReadInteger("Main", "Empty", 7), 7);
  EXPECT_EQ(ini.ReadString("Other", "Name", ""), "second");
}

TEST(IniFile, MissingFolderIsAReportedWriteFailure) {
  TempDir dir;
  IniFile ini(Env::Default(), dir.File("no/such/folder/x.ini"));
  EXPECT_FALSE(ini.WriteString("a", "b", "c"));
  EXPECT_EQ(ini.ReadString("a", "b", "d"), "d");
}

// The file is kept parsed, but a change made by another writer is seen; an
// update writes the file once, at its end.
TEST(IniFile, SeesOtherWritersAndWritesUpdatesOnce) {
  MemoryEnv env;
  IniFile ini(env, "Spell.cfg");
  ASSERT_TRUE(ini.WriteString("Joe", "A", "1"));
  ASSERT_TRUE(WriteWholeFile(env, "Spell.cfg", "[Joe]\r\nA=changed elsewhere\r\n"));
  EXPECT_EQ(ini.ReadString("Joe", "A", ""), "changed elsewhere");

  ini.BeginUpdate();
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(ini.WriteString("Joe", "K" + std::to_string(i), std::to_string(i)));
  ASSERT_TRUE(ini.WriteString("Ann", "B", "x"));
  EXPECT_EQ(ini.ReadString("Joe", "K2", ""), "2");  // the update is read back before it is written
  std::string contents;
  ASSERT_TRUE(ReadWholeFile(env, "Spell.cfg", &contents));
  EXPECT_EQ(contents, "[Joe]\r\nA=changed elsewhere\r\n");
  ASSERT_TRUE(ini.EndUpdate());
  ASSERT_TRUE(ReadWholeFile(env, "Spell.cfg", &contents));
  EXPECT_EQ(contents, "[Joe]\r\nA=changed elsewhere\r\nK0=0\r\nK1=1\r\nK2=2\r\n\r\n[Ann]\r\nB=x\r\n");
  // Keys added to a section that others follow land in it, and are found.
  ASSERT_TRUE(ini.WriteString("Joe", "K3", "3"));
  EXPECT_EQ(ini.ReadString("Ann", "B", ""), "x");
  EXPECT_EQ(ini.ReadString("Joe", "K3", ""), "3");
  EXPECT_EQ(ini.ReadSection("Joe"), (std::vector<std::string>{"A", "K0", "K1", "K2", "K3"}));
}

#ifdef _WIN32
// Windows' own profile functions and ours read each other's files alike.
TEST(IniFile, AgreesWithWindowsProfileFunctions) {
  TempDir dir;
  std::string path = dir.File("win.ini");
  ASSERT_TRUE(WritePrivateProfileStringA("User One", "Main", "American.adm", path.c_str()));
  ASSERT_TRUE(WritePrivateProfileStringA("User One", "Spaced", "  a b  ", path.c_str()));
  ASSERT_TRUE(WritePrivateProfileStringA("Second", "Count", "42", path.c_str()));
  IniFile ini(Env::Default(), path);
  EXPECT_EQ(ini.ReadString("user one", "main", ""), "American.adm");
  EXPECT_EQ(ini.ReadString("User One", "Spaced", ""), "a b");
  EXPECT_EQ(ini.ReadInteger("Second", "Count", 0), 42);

  ASSERT_TRUE(ini.WriteString("Second", "Name", "\"quoted\""));
  ASSERT_TRUE(ini.WriteString("Third", "K", "v"));
  char buf[256];
  GetPrivateProfileStringA("Second", "Name", "", buf, sizeof buf, path.c_str());
  EXPECT_STREQ(buf, "quoted");
  GetPrivateProfileStringA("third", "k", "", buf, sizeof buf, path.c_str());
  EXPECT_STREQ(buf, "v");
  EXPECT_EQ(GetPrivateProfileIntA("Second", "Count", 0, path.c_str()), 42u);
}
#endif

}  // namespace
}  // namespace tq::platform
