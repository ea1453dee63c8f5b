#include "platform/memory_env.h"

#include <gtest/gtest.h>

namespace tq::platform {
namespace {

TEST(MemoryEnv, FilesLiveInFoldersThatExist) {
  MemoryEnv env;
  std::unique_ptr<File> f;
  EXPECT_FALSE(env.OpenFile("/no/such/a.txt", FileAccess::ReadWrite, FileShare::Read, FileCreate::OpenAlways, &f));
  EXPECT_FALSE(env.FileExists("/no/such/a.txt"));
  ASSERT_TRUE(env.CreateDirectories("C:\\Users\\fuzz\\Dicts"));
  EXPECT_TRUE(env.DirectoryExists("C:/Users/fuzz"));
  ASSERT_TRUE(WriteWholeFile(env, "C:\\Users\\fuzz\\Dicts\\a.adu", "abc"));
  ASSERT_TRUE(WriteWholeFile(env, "C:/Users/fuzz/Dicts/b.adm", "de"));
  std::vector<std::string> names;
  ASSERT_TRUE(env.ListFiles("C:/Users/fuzz/Dicts", "*.ADU", &names));
  EXPECT_EQ(names, std::vector<std::string>{"a.adu"});
  std::string text;
  ASSERT_TRUE(ReadWholeFile(env, "C:/Users/fuzz/Dicts/a.adu", &text));
  EXPECT_EQ(text, "abc");
  FileTime before = 0, after = 0;
  ASSERT_TRUE(env.LastWriteTime("C:/Users/fuzz/Dicts/a.adu", &before));
  ASSERT_TRUE(WriteWholeFile(env, "C:/Users/fuzz/Dicts/a.adu", "x"));
  ASSERT_TRUE(env.LastWriteTime("C:/Users/fuzz/Dicts/a.adu", &after));
  EXPECT_GT(after, before);
  EXPECT_EQ(env.Files(), (std::vector<std::string>{"C:/Users/fuzz/Dicts/a.adu", "C:/Users/fuzz/Dicts/b.adm"}));
}

TEST(MemoryEnv, AnOpenFileIsNeitherRemovedNorRenamed) {
  MemoryEnv env;
  ASSERT_TRUE(WriteWholeFile(env, "a", "1"));
  std::unique_ptr<File> f;
  ASSERT_TRUE(env.OpenFile("a", FileAccess::Read, FileShare::ReadWrite, FileCreate::OpenExisting, &f));
  EXPECT_TRUE(IsSharingViolation(env.RemoveFile("a")));
  EXPECT_TRUE(IsSharingViolation(env.RenameFile("a", "b")));
  f.reset();
  ASSERT_TRUE(env.RenameFile("a", "b"));
  EXPECT_FALSE(env.FileExists("a"));
  std::unique_ptr<MappedFile> m;
  ASSERT_TRUE(env.MapFile("b", &m));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(m->data()), m->size()), "1");
  m.reset();
  EXPECT_TRUE(env.RemoveFile("b"));
}

}  // namespace
}  // namespace tq::platform
