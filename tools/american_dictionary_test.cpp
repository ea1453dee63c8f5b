// The dictionary the program ships with, built from Debian's American English
// word list: every word Windows-1252 can hold is found, and no other.
#include <gtest/gtest.h>

#include <set>
#include <unordered_set>

#include "platform/env.h"
#include "spell/engine/main_dictionary.h"
#include "tools/word_list.h"

namespace tq::tools {
namespace {

struct Hash {
  using is_transparent = void;
  size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};

TEST(AmericanDictionary, HoldsExactlyTheWordList) {
  std::string text;
  ASSERT_TRUE(platform::ReadWholeFile(platform::Env::Default(), TQ_WORD_LIST, &text));
  const TWordList list = ReadUtf8WordList(text);
  const std::unordered_set<std::string, Hash, std::equal_to<>> all(list.words.begin(), list.words.end());
  ASSERT_GT(all.size(), 50000u);

  spell::TMainDictionary dict;
  dict.WriteFilename(TQ_AMERICAN_ADM);
  ASSERT_EQ(dict.ReadFilename(), TQ_AMERICAN_ADM);
  EXPECT_EQ(dict.ReadTitle(), "American English");
  EXPECT_EQ(dict.ReadLanguage(), 1033u);
  EXPECT_EQ(dict.ReadWordCount(), all.size());
  EXPECT_GE(dict.ReadNodeCount(), 65535u);  // the 2/3-byte child numbers

  size_t missing = 0, extra = 0, probes = 0;
  std::string longer;
  for (const std::string& w : all) {
    if (!dict.WordExists(w)) ++missing;
    for (size_t n = 1; n < w.size(); ++n, ++probes) {
      const std::string_view prefix = std::string_view(w).substr(0, n);
      if (dict.WordExists(prefix) != (all.find(prefix) != all.end())) ++extra;
    }
    for (const char* tail : {"s", "'s", "e", "q", "\xE9", "zq"}) {
      ++probes;
      longer.assign(w).append(tail);
      if (dict.WordExists(longer) != (all.find(longer) != all.end())) ++extra;
    }
  }
  EXPECT_EQ(missing, 0u);
  EXPECT_EQ(extra, 0u) << "of " << probes << " prefixes and extensions";

  // The prefix walk reaches every word of two letters or more.
  std::set<std::string> walked;
  for (int c = 1; c < 256; ++c)
    dict.EnumeratePrefixWords(std::string(1, static_cast<char>(c)), [&](std::string_view w) {
      walked.emplace(w);
      return false;
    });
  for (const std::string& w : all)
    if (w.size() > 1 && !walked.count(w)) ADD_FAILURE() << "not walked: " << w;
  for (const std::string& w : walked) EXPECT_TRUE(all.count(w)) << w;
}

}  // namespace
}  // namespace tq::tools
