// The two Windows Envs side by side: the program's, whose paths are in the
// ANSI code page and which must read them exactly as the system's ANSI
// functions do, and quillet's, whose paths are UTF-8.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/env.h"
#include "platform/win_text.h"
#include "tests/support/temp_dir.h"

namespace tq::platform {
namespace {

// The names FindFirstFileA lists in folder, sorted.
std::vector<std::string> AnsiListing(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA fd{};
  HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(fd.cFileName);
  } while (FindNextFileA(h, &fd));
  FindClose(h);
  std::sort(names.begin(), names.end());
  return names;
}

TEST(EnvWin, AnsiEnvReadsNamesAsTheAnsiFunctionsDo) {
  testing::TempDir dir;
  Env& utf8 = Env::Default(PathEncoding::Utf8);
  Env& ansi = Env::Default();
  // One name the ANSI code page holds (on Western systems), one it cannot.
  const std::wstring names[] = {L"caf\u00e9.txt", L"\u03a9mega.txt"};
  for (const std::wstring& name : names)
    ASSERT_TRUE(WriteWholeFile(utf8, dir.path() + "\\" + FromWide(name, CP_UTF8), "w"));

  std::vector<std::string> listed;
  ASSERT_TRUE(ansi.ListFiles(dir.path(), "*", &listed));
  EXPECT_EQ(listed, AnsiListing(dir.path()));
  for (const std::wstring& name : names) {
    // Greek becomes a look-alike or '?' in a Western code page.
    const std::string ansiName = FromWide(name, CP_ACP);
    std::wstring back;
    ASSERT_TRUE(ToWide(ansiName, CP_ACP, &back));
    const std::string path = dir.path() + "\\" + ansiName;
    SCOPED_TRACE(path);
    EXPECT_EQ(ansi.FileExists(path), GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES);
    // A name the code page holds is the same file under both encodings.
    if (back == name) {
      std::string contents;
      ASSERT_TRUE(ReadWholeFile(ansi, path, &contents));
      EXPECT_EQ(contents, "w");
    }
  }
  // The ANSI name of the Western name, as the program's dialogs give it on
  // a Windows-1252 system (this test's Wine).
  if (GetACP() == 1252) {
    EXPECT_TRUE(ansi.FileExists(dir.path() + "\\caf\xE9.txt"));
  }
}

TEST(EnvWin, Utf8EnvRefusesNamesThatAreNotUtf8) {
  testing::TempDir dir;
  Env& utf8 = Env::Default(PathEncoding::Utf8);
  const std::string bad = dir.path() + "\\caf\xE9.txt";  // Windows-1252, not UTF-8
  std::unique_ptr<File> f;
  const Status s = utf8.OpenFile(bad, FileAccess::ReadWrite, FileShare::Read, FileCreate::CreateAlways, &f);
  ASSERT_FALSE(s.ok());
  EXPECT_EQ(s.code(), ERROR_NO_UNICODE_TRANSLATION);
  EXPECT_FALSE(utf8.FileExists(bad));
  EXPECT_FALSE(utf8.CreateDirectories(bad));
  EXPECT_FALSE(utf8.RenameFile(bad, dir.path() + "\\x"));
  std::vector<std::string> listed;
  ASSERT_TRUE(utf8.ListFiles(dir.path(), "*", &listed));
  EXPECT_TRUE(listed.empty()) << "nothing was made under a name with replacement characters";
}

}  // namespace
}  // namespace tq::platform
