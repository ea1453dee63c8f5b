#include "spell/engine/word_frequencies.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/env.h"
#include "tests/support/temp_dir.h"

namespace tq::spell {
namespace {

void Put32(std::string& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
}

// A side file written byte by byte from the format's table.
std::string SideFile(std::vector<std::pair<uint32_t, uint8_t>> entries) {
  std::sort(entries.begin(), entries.end());
  std::string out("TQFRQ\x1A\x01\x00", 8);
  Put32(out, static_cast<uint32_t>(entries.size()));
  for (const auto& e : entries) Put32(out, e.first);
  for (const auto& e : entries) out += static_cast<char>(e.second);
  return out;
}

TEST(WordFrequencies, HashIsFnv1aOfTheLowerCaseWord) {
  // The published FNV-1a test vectors: the compiler of the file uses them too.
  EXPECT_EQ(TWordFrequencies::Hash(""), 0x811C9DC5u);
  EXPECT_EQ(TWordFrequencies::Hash("a"), 0xE40C292Cu);
  EXPECT_EQ(TWordFrequencies::Hash("foobar"), 0xBF9CF968u);
  EXPECT_EQ(TWordFrequencies::Hash("FooBar"), 0xBF9CF968u);
  EXPECT_EQ(TWordFrequencies::Hash("\xC9t\xE9"), TWordFrequencies::Hash("\xE9t\xE9"));  // Windows-1252 capitals
}

TEST(WordFrequencies, ClassesOfTheWordsNamedAndTheFloorForOthers) {
  testing::TempDir dir;
  const std::string path = dir.File("English.frq");
  ASSERT_TRUE(platform::WriteWholeFile(platform::Env::Default(), path,
                                       SideFile({{TWordFrequencies::Hash("the"), 169},
                                                 {TWordFrequencies::Hash("house"), 90},
                                                 {TWordFrequencies::Hash("\xE9t\xE9"), 1}}))
                  .ok());
  const TWordFrequencies f = TWordFrequencies::Read(platform::Env::Default(), path);
  ASSERT_EQ(f.Count(), 3u);
  const std::pair<const char*, int> rows[] = {{"the", 169},
                                              {"The", 169},
                                              {"THE", 169},
                                              {"house", 90},
                                              {"\xC9t\xE9", 1},
                                              {"hose", TWordFrequencies::kFloor},
                                              {"", TWordFrequencies::kFloor}};
  for (const auto& [word, expected] : rows) EXPECT_EQ(f.Class(word), expected) << word;
  EXPECT_LT(f.MemoryBytes(), 64u);
}

TEST(WordFrequencies, AMissingOrDamagedFileLeavesEveryWordAtTheFloor) {
  testing::TempDir dir;
  const std::string good = SideFile({{1, 10}, {2, 20}, {3, 30}});
  std::string unsorted = good;
  std::swap(unsorted[12], unsorted[16]);  // hashes 2, 1, 3
  std::string badMagic = good;
  badMagic[5] = 'x';
  std::string newerVersion = good;
  newerVersion[6] = 2;
  std::string countTooLarge = good;
  countTooLarge[8] = 4;
  const std::pair<const char*, std::string> rows[] = {
      {"empty", ""},
      {"header only", good.substr(0, 12)},
      {"cut short", good.substr(0, good.size() - 1)},
      {"trailing byte", good + "x"},
      {"unsorted", unsorted},
      {"bad magic", badMagic},
      {"newer version", newerVersion},
      {"count too large", countTooLarge},
  };
  for (const auto& [name, bytes] : rows) {
    const std::string path = dir.File("damaged.frq");
    ASSERT_TRUE(platform::WriteWholeFile(platform::Env::Default(), path, bytes).ok());
    const TWordFrequencies f = TWordFrequencies::Read(platform::Env::Default(), path);
    EXPECT_EQ(f.Count(), 0u) << name;
    EXPECT_EQ(f.Class("anything"), TWordFrequencies::kFloor) << name;
  }
  EXPECT_EQ(TWordFrequencies::Read(platform::Env::Default(), dir.File("missing.frq")).Count(), 0u);
  const std::string path = dir.File("good.frq");
  ASSERT_TRUE(platform::WriteWholeFile(platform::Env::Default(), path, good).ok());
  EXPECT_EQ(TWordFrequencies::Read(platform::Env::Default(), path).Count(), 3u);
}

TEST(WordFrequencies, SideFileLiesBesideTheDictionary) {
  const std::pair<const char*, const char*> rows[] = {
      {"C:\\Program Files\\Tavrin Quillet\\American.adm", "C:\\Program Files\\Tavrin Quillet\\American.frq"},
      {"/usr/share/tq/American.adm", "/usr/share/tq/American.frq"},
      {"dicts.v2/English", "dicts.v2/English.frq"},
      {"English", "English.frq"},
  };
  for (const auto& [dictionary, side] : rows) EXPECT_EQ(TWordFrequencies::SideFileOf(dictionary), side);
}

}  // namespace
}  // namespace tq::spell
