#include "platform/env.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <thread>
#include <vector>

#include "platform/fault_env.h"
#include "platform/memory_env.h"
#include "tests/support/temp_dir.h"

namespace tq::platform {
namespace {

using testing::TempDir;

std::unique_ptr<File> Open(const std::string& path, FileAccess a, FileShare s, FileCreate c, Status* st = nullptr) {
  std::unique_ptr<File> f;
  Status status = Env::Default().OpenFile(path, a, s, c, &f);
  if (st) *st = status;
  return status ? std::move(f) : nullptr;
}

TEST(Env, WriteReadSizeTruncate) {
  TempDir dir;
  auto f = Open(dir.File("a.bin"), FileAccess::ReadWrite, FileShare::Read, FileCreate::CreateAlways);
  ASSERT_TRUE(f);
  ASSERT_TRUE(f->WriteAt(0, "hello world", 11));
  ASSERT_TRUE(f->WriteAt(6, "WORLD", 5));
  int64_t size = 0;
  ASSERT_TRUE(f->Size(&size));
  EXPECT_EQ(size, 11);
  char buf[16] = {};
  size_t got = 0;
  ASSERT_TRUE(f->ReadAt(4, buf, 16, &got));
  EXPECT_EQ(std::string(buf, got), "o WORLD");
  EXPECT_FALSE(f->ReadExact(8, buf, 5)) << "a short read must be an error";
  ASSERT_TRUE(f->Truncate(5));
  ASSERT_TRUE(f->Size(&size));
  EXPECT_EQ(size, 5);
}

TEST(Env, OpenExistingFailsForMissingFile) {
  TempDir dir;
  Status st;
  EXPECT_FALSE(Open(dir.File("none"), FileAccess::Read, FileShare::ReadWrite, FileCreate::OpenExisting, &st));
  EXPECT_FALSE(st.ok());
  EXPECT_FALSE(st.message().empty());
}

// Each row: what the first opener holds, what the second asks, and whether
// Windows lets the second in.
struct ShareCase {
  FileAccess firstAccess;
  FileShare firstShare;
  FileAccess secondAccess;
  FileShare secondShare;
  bool allowed;
};

TEST(Env, ShareModesFollowWindowsRules) {
  const ShareCase cases[] = {
      // A writer that lets others read only refuses a second writer...
      {FileAccess::ReadWrite, FileShare::Read, FileAccess::ReadWrite, FileShare::Read, false},
      // ...but lets a reader in, as long as the reader lets it keep writing.
      {FileAccess::ReadWrite, FileShare::Read, FileAccess::Read, FileShare::ReadWrite, true},
      {FileAccess::ReadWrite, FileShare::Read, FileAccess::Read, FileShare::Read, false},
      // A read-only opener that shares everything lets a writer in.
      {FileAccess::Read, FileShare::ReadWrite, FileAccess::ReadWrite, FileShare::Read, true},
      // Shared reading: a second reader yes, a writer no.
      {FileAccess::Read, FileShare::Read, FileAccess::Read, FileShare::Read, true},
      {FileAccess::Read, FileShare::Read, FileAccess::ReadWrite, FileShare::ReadWrite, false},
      // Exclusive refuses everybody, and nobody gets exclusive while others are in.
      {FileAccess::ReadWrite, FileShare::Exclusive, FileAccess::Read, FileShare::ReadWrite, false},
      {FileAccess::Read, FileShare::ReadWrite, FileAccess::Read, FileShare::Exclusive, false},
  };
  // The in-memory file system keeps the same rules.
  TempDir dir;
  MemoryEnv memory;
  for (auto [env, path] : {std::pair<Env*, std::string>{&Env::Default(), dir.File("shared.bin")},
                           std::pair<Env*, std::string>{&memory, "shared.bin"}}) {
    ASSERT_TRUE(WriteWholeFile(*env, path, "x"));
    int row = 0;
    for (const ShareCase& c : cases) {
      std::unique_ptr<File> first, second;
      ASSERT_TRUE(env->OpenFile(path, c.firstAccess, c.firstShare, FileCreate::OpenExisting, &first)) << "row " << row;
      Status s = env->OpenFile(path, c.secondAccess, c.secondShare, FileCreate::OpenExisting, &second);
      EXPECT_EQ(s.ok(), c.allowed) << "row " << row;
      if (!s) {
        EXPECT_TRUE(IsSharingViolation(s)) << s.message();
      }
      ++row;
    }
    // Once everyone has closed, exclusive access is possible again.
    std::unique_ptr<File> alone;
    EXPECT_TRUE(env->OpenFile(path, FileAccess::ReadWrite, FileShare::Exclusive, FileCreate::OpenExisting, &alone));
  }
}

// Many writers at once, each reading a counter and writing it back plus one
// while it holds the file: when taking the share is not one step, two get in
// together and increments are lost.
TEST(Env, ConcurrentWritersAreAdmittedOneAtATime) {
  TempDir dir;
  const std::string path = dir.File("counter.bin");
  ASSERT_TRUE(WriteWholeFile(Env::Default(), path, std::string(8, '\0')));
  constexpr int kThreads = 16, kRounds = 500;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([&] {
      for (int round = 0; round < kRounds; ++round) {
        std::unique_ptr<File> f;
        while (!(f = Open(path, FileAccess::ReadWrite, FileShare::Read, FileCreate::OpenExisting))) {
        }
        uint64_t n = 0;
        ASSERT_TRUE(f->ReadExact(0, &n, sizeof n));
        ++n;
        ASSERT_TRUE(f->WriteAt(0, &n, sizeof n));
      }
    });
  for (std::thread& t : threads) t.join();
  std::string contents;
  ASSERT_TRUE(ReadWholeFile(Env::Default(), path, &contents));
  uint64_t n = 0;
  std::memcpy(&n, contents.data(), sizeof n);
  EXPECT_EQ(n, uint64_t{kThreads} * kRounds);
}

TEST(Env, CreateAlwaysRefusedWhileSharedLeavesContents) {
  TempDir dir;
  std::string path = dir.File("keep.bin");
  ASSERT_TRUE(WriteWholeFile(Env::Default(), path, "precious"));
  auto holder = Open(path, FileAccess::ReadWrite, FileShare::Read, FileCreate::OpenExisting);
  ASSERT_TRUE(holder);
  EXPECT_FALSE(Open(path, FileAccess::ReadWrite, FileShare::Exclusive, FileCreate::CreateAlways));
  holder.reset();
  std::string contents;
  ASSERT_TRUE(ReadWholeFile(Env::Default(), path, &contents));
  EXPECT_EQ(contents, "precious");
}

TEST(Env, MapFileSeesContentsAndRefusesEmpty) {
  TempDir dir;
  Env& env = Env::Default();
  ASSERT_TRUE(WriteWholeFile(env, dir.File("m.bin"), std::string("abc\0def", 7)));
  std::unique_ptr<MappedFile> m;
  ASSERT_TRUE(env.MapFile(dir.File("m.bin"), &m));
  ASSERT_EQ(m->size(), 7u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(m->data()), 7), std::string("abc\0def", 7));
  // While mapped, the file is shared for reading only.
  EXPECT_FALSE(Open(dir.File("m.bin"), FileAccess::ReadWrite, FileShare::ReadWrite, FileCreate::OpenExisting));
  ASSERT_TRUE(WriteWholeFile(env, dir.File("empty.bin"), ""));
  std::unique_ptr<MappedFile> e;
  EXPECT_FALSE(env.MapFile(dir.File("empty.bin"), &e));
  EXPECT_FALSE(env.MapFile(dir.File("missing.bin"), &e));
}

TEST(Env, FileOperations) {
  TempDir dir;
  Env& env = Env::Default();
  std::string sub = dir.File("a") + "\\b\\c";  // either separator is accepted
  ASSERT_TRUE(env.CreateDirectories(sub));
  EXPECT_TRUE(env.DirectoryExists(sub));
  std::string f1 = sub + "\\one.ADM", f2 = sub + "\\two.adm", f3 = sub + "\\three.adu";
  ASSERT_TRUE(WriteWholeFile(env, f1, "1"));
  ASSERT_TRUE(env.CopyFileTo(f1, f2, false));
  EXPECT_FALSE(env.CopyFileTo(f1, f2, false)) << "copy must not replace without leave";
  ASSERT_TRUE(WriteWholeFile(env, f3, "3"));
  std::vector<std::string> names;
  ASSERT_TRUE(env.ListFiles(sub, "*.adm", &names));
  EXPECT_EQ(names, (std::vector<std::string>{"one.ADM", "two.adm"}));
  ASSERT_TRUE(env.RenameFile(f3, f2));  // replaces
  std::string contents;
  ASSERT_TRUE(ReadWholeFile(env, f2, &contents));
  EXPECT_EQ(contents, "3");
  EXPECT_FALSE(env.FileExists(f3));
  FileTime t = 0;
  ASSERT_TRUE(env.LastWriteTime(f2, &t));
  EXPECT_GT(t, 116444736000000000LL) << "a FILETIME after 1970";
  ASSERT_TRUE(env.RemoveFile(f2));
  EXPECT_FALSE(env.FileExists(f2));
  EXPECT_FALSE(env.RemoveFile(f2));
  EXPECT_FALSE(env.LastWriteTime(f2, &t));
}

// A file opened through a name, then that name deleted or given to another
// file behind the opener's back: the check tells the three apart, and
// another spelling of the same name is still the same file.
TEST(Env, FileAtPathSeesTheNameDeletedOrReplaced) {
  TempDir dir;
  MemoryEnv memory;
  ASSERT_TRUE(memory.CreateDirectories("/lib"));
  struct Place {
    Env* env;
    std::string folder;
    // Deletes the name while the file is open, as another program may.
    std::function<bool(const std::string&)> unlink;
  };
  std::vector<Place> places = {{&memory, "/lib", [&](const std::string& p) { return memory.Unlink(p).ok(); }}};
#ifndef _WIN32
  // Windows itself refuses to delete a file opened without delete sharing.
  places.push_back({&Env::Default(), dir.path(), [](const std::string& p) { return std::filesystem::remove(p); }});
#endif
  for (const Place& place : places) {
    Env& env = *place.env;
    const std::string path = place.folder + "/replies.qdk", other = place.folder + "/other.qdk";
    ASSERT_TRUE(WriteWholeFile(env, path, "library"));
    ASSERT_TRUE(WriteWholeFile(env, other, "library"));
    std::unique_ptr<File> f;
    ASSERT_TRUE(env.OpenFile(path, FileAccess::ReadWrite, FileShare::Read, FileCreate::OpenExisting, &f));
    EXPECT_EQ(CheckFileAtPath(env, *f, path), FileAtPath::Same);
    EXPECT_EQ(CheckFileAtPath(env, *f, place.folder + "\\replies.qdk"), FileAtPath::Same);
    EXPECT_EQ(CheckFileAtPath(env, *f, other), FileAtPath::Replaced) << "same bytes, another file";
    EXPECT_EQ(CheckFileAtPath(env, *f, place.folder + "/none.qdk"), FileAtPath::Missing);

    ASSERT_TRUE(place.unlink(path));
    EXPECT_EQ(CheckFileAtPath(env, *f, path), FileAtPath::Missing);
    EXPECT_TRUE(f->WriteAt(0, "x", 1)) << "the nameless file still takes writes: only the check can tell";
    ASSERT_TRUE(WriteWholeFile(env, path, "library"));
    EXPECT_EQ(CheckFileAtPath(env, *f, path), FileAtPath::Replaced);
  }
}

// Under Windows (and Wine) the same three answers, where a name can be taken
// away only by closing first.
TEST(Env, FileAtPathOnTheSystemsFileSystem) {
  TempDir dir;
  Env& env = Env::Default();
  const std::string path = dir.File("replies.qdk"), other = dir.File("other.qdk");
  ASSERT_TRUE(WriteWholeFile(env, path, "library"));
  ASSERT_TRUE(WriteWholeFile(env, other, "library"));
  std::unique_ptr<File> f;
  ASSERT_TRUE(env.OpenFile(path, FileAccess::ReadWrite, FileShare::Read, FileCreate::OpenExisting, &f));
  EXPECT_EQ(CheckFileAtPath(env, *f, path), FileAtPath::Same) << "the opener's own sharing does not hide it";
  EXPECT_EQ(CheckFileAtPath(env, *f, other), FileAtPath::Replaced);
  EXPECT_EQ(CheckFileAtPath(env, *f, dir.File("none.qdk")), FileAtPath::Missing);
  std::unique_ptr<File> exclusive;
  ASSERT_TRUE(env.OpenFile(other, FileAccess::ReadWrite, FileShare::Exclusive, FileCreate::OpenExisting, &exclusive));
  FileIdentity a, b;
  ASSERT_TRUE(exclusive->Identity(&a));
  ASSERT_TRUE(env.IdentityOf(other, &b)) << "an exclusive opener does not keep the name from being identified";
  EXPECT_EQ(a, b);
}

TEST(FaultEnv, FullDiskIsVisibleToTheWriter) {
  TempDir dir;
  FaultEnv env(Env::Default());
  std::unique_ptr<File> f;
  ASSERT_TRUE(env.OpenFile(dir.File("f.bin"), FileAccess::ReadWrite, FileShare::Read, FileCreate::CreateAlways, &f));
  env.FailWritesAfter(4);
  EXPECT_TRUE(f->WriteAt(0, "abc", 3));
  EXPECT_FALSE(f->WriteAt(3, "defg", 4));
  EXPECT_EQ(env.bytesWritten(), 4);
  env.FailReads(true);
  char c;
  size_t got;
  EXPECT_FALSE(f->ReadAt(0, &c, 1, &got));
  env.FailOpens(true);
  std::unique_ptr<File> g;
  EXPECT_FALSE(env.OpenFile(dir.File("g.bin"), FileAccess::Read, FileShare::Read, FileCreate::OpenAlways, &g));
}

}  // namespace
}  // namespace tq::platform
