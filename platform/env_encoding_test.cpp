// File names beyond ASCII. The UTF-8 Env keeps every character, whatever
// the system's ANSI code page: quillet's paths are UTF-8 on every system.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/env.h"
#include "tests/support/temp_dir.h"

namespace tq::platform {
namespace {

std::string Utf8(std::u8string_view s) { return std::string(s.begin(), s.end()); }

// Greek and Japanese share no ANSI code page with each other or with "é".
TEST(EnvEncoding, Utf8NamesThroughEveryCall) {
  testing::TempDir dir;
  Env& env = Env::Default(PathEncoding::Utf8);
  const std::u8string folderName = u8"Ωμέγα 日本";
  const std::string folder = dir.path() + "/" + Utf8(folderName);
  ASSERT_TRUE(env.CreateDirectories(folder + "/sub"));
  EXPECT_TRUE(env.DirectoryExists(folder + "\\sub"));
  // The folder has its real name on the disk, not one made of '?'.
  EXPECT_TRUE(std::filesystem::is_directory(std::filesystem::path(dir.path()) / folderName));

  const std::string cafe = folder + "/" + Utf8(u8"café.txt");
  const std::string japanese = folder + "/" + Utf8(u8"日本語.txt");
  const std::string sigma = folder + "/" + Utf8(u8"Σ.txt");
  ASSERT_TRUE(WriteWholeFile(env, cafe, "text"));
  EXPECT_TRUE(env.FileExists(cafe));
  ASSERT_TRUE(env.CopyFileTo(cafe, japanese, false));
  ASSERT_TRUE(env.RenameFile(japanese, sigma));
  EXPECT_FALSE(env.FileExists(japanese));
  std::vector<std::string> names;
  ASSERT_TRUE(env.ListFiles(folder, "*.TXT", &names));
  EXPECT_EQ(names, (std::vector<std::string>{Utf8(u8"café.txt"), Utf8(u8"Σ.txt")}));
  std::unique_ptr<MappedFile> mapped;
  ASSERT_TRUE(env.MapFile(sigma, &mapped));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(mapped->data()), mapped->size()), "text");
  mapped.reset();
  FileTime t = 0;
  EXPECT_TRUE(env.LastWriteTime(sigma, &t));
  EXPECT_TRUE(std::filesystem::is_regular_file(std::filesystem::path(dir.path()) / folderName / u8"Σ.txt"));
  ASSERT_TRUE(env.RemoveFile(cafe));
  EXPECT_FALSE(env.FileExists(cafe));
  // A failure names the file as it was given.
  const std::string missing = folder + "/" + Utf8(u8"ΑΒΓ.txt");
  std::string contents;
  const Status s = ReadWholeFile(env, missing, &contents);
  ASSERT_FALSE(s.ok());
  EXPECT_EQ(s.message().rfind("Cannot open " + missing, 0), 0u) << s.message();
}

}  // namespace
}  // namespace tq::platform
