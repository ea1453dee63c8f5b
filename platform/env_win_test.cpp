// The two Windows Envs side by side: the ANSI one, whose paths are in the
// ANSI code page and which must read them exactly as the system's ANSI
// functions do, and the UTF-8 one of the program and quillet.
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
  Env& ansi = Env::Default(PathEncoding::Ansi);
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

TEST(EnvWin, Utf8EnvReadsNamesThatAreNotUtf8AsTheAnsiEnvDoes) {
  // A Spell.cfg the program wrote names its dictionaries in ANSI text.
  if (GetACP() != 1252) GTEST_SKIP() << "the name is Windows-1252";
  testing::TempDir dir;
  Env& utf8 = Env::Default(PathEncoding::Utf8);
  const std::string ansiName = dir.path() + "\\caf\xE9.txt";  // Windows-1252, not UTF-8
  std::unique_ptr<File> f;
  ASSERT_TRUE(utf8.OpenFile(ansiName, FileAccess::ReadWrite, FileShare::Read, FileCreate::CreateAlways, &f).ok());
  f.reset();
  EXPECT_TRUE(Env::Default(PathEncoding::Ansi).FileExists(ansiName));
  EXPECT_TRUE(utf8.FileExists(dir.path() + "\\caf\xC3\xA9.txt")) << "the same name in UTF-8";
  std::vector<std::string> listed;
  ASSERT_TRUE(utf8.ListFiles(dir.path(), "*", &listed));
  EXPECT_EQ(listed, std::vector<std::string>{"caf\xC3\xA9.txt"});
}

}  // namespace
}  // namespace tq::platform
