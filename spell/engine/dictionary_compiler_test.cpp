#include "spell/engine/dictionary_compiler.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "platform/env.h"
#include "spell/engine/main_dictionary.h"
#include "spell/engine/phonetic_map.h"
#include "tests/support/temp_dir.h"

namespace tq::spell {
namespace {

// Compiles words into a file in dir and opens it.
std::unique_ptr<TMainDictionary> Compiled(const testing::TempDir& dir, const std::vector<std::string>& words,
                                          TCompileOptions options = {}, TCompileStats* stats = nullptr) {
  std::string image, error;
  TCompileStats local;
  EXPECT_TRUE(CompileMainDictionary(words, options, &image, stats ? stats : &local, &error)) << error;
  const std::string path = dir.File(options.wideChildNumbers ? "wide.adm" : "narrow.adm");
  EXPECT_TRUE(platform::WriteWholeFile(platform::Env::Default(), path, image));
  auto dict = std::make_unique<TMainDictionary>();
  dict->WriteFilename(path);
  EXPECT_EQ(dict->ReadFilename(), path);
  return dict;
}

std::vector<std::string> Prefixed(TMainDictionary& dict, std::string_view prefix) {
  std::vector<std::string> out;
  dict.EnumeratePrefixWords(prefix, [&](std::string_view w) {
    out.emplace_back(w);
    return false;
  });
  return out;
}

const std::vector<std::string> kWords = {
    "a",
    "I",
    "an",
    "and",
    "ant",
    "anteater",
    "antelope",
    "encyclopedia",
    "encyclopedias",
    "encyclopedic",
    "supercalifragilistic",
    "supercalifragilisticexpialidocious",
    "ba",
    "bb",
    "bc",
    "bd",
    "be",
    "bf",
    "bg",
    "bh",
    "bi",
    "bj",
    "bk",
    "caf\xE9",
    "na\xEFve",
    "\xC9t\xE9",
    "x",
    "xylophone",
    "xylophones",
    "zz",
    "zzz",
    "zzzzzzzzzzzz",
};

TEST(DictionaryCompiler, BothChildNumberFormsReadBackTheSameWords) {
  testing::TempDir dir;
  std::set<std::string> all(kWords.begin(), kWords.end());
  for (bool wide : {false, true}) {
    TCompileOptions options;
    options.title = "Test \xC3\xA9 \xD0\x96";
    options.language = 1036;
    options.wideChildNumbers = wide;
    TCompileStats stats;
    auto dict = Compiled(dir, kWords, options, &stats);
    EXPECT_EQ(stats.wideChildNumbers, wide);
    EXPECT_EQ(stats.nodes >= 65535, wide);
    EXPECT_GT(stats.tableSizes[8], 0u) << "long single-child runs are packed into 12-byte nodes";
    EXPECT_EQ(dict->ReadTitle(), "Test \xC3\xA9 \xD0\x96");
    EXPECT_EQ(dict->ReadLanguage(), 1036u);
    EXPECT_EQ(dict->ReadWordCount(), all.size());
    for (const std::string& w : all) {
      EXPECT_TRUE(dict->WordExists(w)) << w;
      // No proper prefix and no extension is a word unless it is listed.
      for (size_t n = 1; n < w.size(); ++n) EXPECT_EQ(dict->WordExists(w.substr(0, n)), all.count(w.substr(0, n)) > 0);
      for (const char* tail : {"s", "a", "\xE9", "zzzz"})
        EXPECT_EQ(dict->WordExists(w + tail), all.count(w + tail) > 0) << w + tail;
    }
    EXPECT_FALSE(dict->WordExists("A"));
    EXPECT_FALSE(dict->WordExists("i"));
    // The prefix walk gives the words in byte order.
    EXPECT_EQ(Prefixed(*dict, "an"), (std::vector<std::string>{"an", "and", "ant", "anteater", "antelope"}));
    EXPECT_EQ(Prefixed(*dict, "b").size(), 11u);
    EXPECT_EQ(Prefixed(*dict, "xy"), (std::vector<std::string>{"xylophone", "xylophones"}));
    EXPECT_EQ(Prefixed(*dict, "en"), (std::vector<std::string>{"encyclopedia", "encyclopedias", "encyclopedic"}));
  }
}

TEST(DictionaryCompiler, RandomWordSetsRoundTrip) {
  testing::TempDir dir;
  std::mt19937 rng(4711);
  for (int round = 0; round < 6; ++round) {
    std::set<std::string> all;
    const int n = 50 + round * 400;
    const int alphabet = round % 2 ? 4 : 40;  // few letters make long shared runs, many make wide nodes
    while (static_cast<int>(all.size()) < n) {
      std::string w(1 + rng() % 14, '\0');
      for (char& c : w) c = static_cast<char>(round == 5 ? 1 + rng() % 255 : 'a' + rng() % alphabet);
      all.insert(w);
    }
    std::vector<std::string> words(all.begin(), all.end());
    std::shuffle(words.begin(), words.end(), rng);
    words.push_back(words.front());  // a repeat
    words.push_back("");
    TCompileOptions options;
    options.wideChildNumbers = round >= 3;
    auto dict = Compiled(dir, words, options);
    EXPECT_EQ(dict->ReadWordCount(), all.size());
    for (const std::string& w : all) ASSERT_TRUE(dict->WordExists(w)) << w;
    for (int probe = 0; probe < 2000; ++probe) {
      std::string w(1 + rng() % 14, '\0');
      for (char& c : w) c = static_cast<char>(round == 5 ? 1 + rng() % 255 : 'a' + rng() % alphabet);
      ASSERT_EQ(dict->WordExists(w), all.count(w) > 0) << w;
    }
    // Every word that does not sit under a one-letter leaf is reached by the
    // walk from its first character.
    std::set<std::string> walked;
    for (int c = 1; c < 256; ++c)
      for (const std::string& w : Prefixed(*dict, std::string(1, static_cast<char>(c)))) walked.insert(w);
    for (const std::string& w : all)
      if (w.size() > 1) {
        EXPECT_TRUE(walked.count(w)) << w;
      }
  }
}

TEST(DictionaryCompiler, EmptyListAndRefusals) {
  testing::TempDir dir;
  auto dict = Compiled(dir, {});
  EXPECT_EQ(dict->ReadWordCount(), 0u);
  EXPECT_FALSE(dict->WordExists("a"));
  EXPECT_TRUE(Prefixed(*dict, "a").empty());

  TCompileOptions options;
  options.title = std::string(256, 'x');
  std::string image, error;
  EXPECT_FALSE(CompileMainDictionary({"a"}, options, &image, nullptr, &error));
  EXPECT_FALSE(error.empty());
}

TEST(DictionaryCompiler, SuggestStopsAfterFiveHundredAndOne) {
  testing::TempDir dir;
  // "ab" and any run of vowels all code as "ab".
  std::vector<std::string> words;
  const char vowels[] = "aeiou";
  for (int i = 0; i < 625; ++i) {
    std::string w = "ab";
    for (int k = i, d = 0; d < 4; ++d, k /= 5) w += vowels[k % 5];
    words.push_back(w);
  }
  auto dict = Compiled(dir, words);
  spell::TPhoneticsMap map;
  map.WriteLanguage(1033);
  std::vector<std::string> list;
  dict->Suggest("abu", map, list);
  EXPECT_EQ(list.size(), 501u);
  for (const std::string& w : list) EXPECT_EQ(map.GetMapping(w), "ab") << w;
  std::vector<std::string> more = list;
  dict->Suggest("abu", map, more);
  EXPECT_EQ(more, list);
}

TEST(DictionaryCompiler, SuggestPrunesBranchesWhoseCodeGrewLonger) {
  testing::TempDir dir;
  auto dict = Compiled(
      dir, {"phant", "phantom", "phantoms", "phone", "phoned", "phones", "phonetic", "phoney", "phony", "fone"});
  spell::TPhoneticsMap map;
  map.WriteLanguage(1033);
  std::vector<std::string> list;
  dict->Suggest("phoen", map, list);  // code "phn"
  EXPECT_EQ(list, (std::vector<std::string>{"phone", "phoney", "phony"}));
  int visited = 0;
  dict->EnumeratePrefixWords("ph", [&](std::string_view w) {
    ++visited;
    return map.GetMapping(w).size() > 3;
  });
  // "phantom" and "phantoms" lie below "phant", whose code already grew
  // past the target's: they are never visited.
  EXPECT_EQ(visited, 7);
}

}  // namespace
}  // namespace tq::spell
