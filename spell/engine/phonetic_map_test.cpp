#include "spell/engine/phonetic_map.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <memory>

namespace tq::spell {
namespace {

std::unique_ptr<TPhoneticsMap> English() {
  auto map = std::make_unique<TPhoneticsMap>();
  map->WriteLanguage(1033);
  return map;
}

TEST(PhoneticMap, EnglishCodes) {
  TPhoneticsMap map;
  map.WriteLanguage(1033);
  struct Row {
    const char* word;
    const char* code;
  } rows[] = {
      {"knight", "knt"},    // "gh" gives nothing, vowels give nothing
      {"receive", "resf"},  // "ce" is s, "v" is f
      {"recieve", "resf"},  // the same sound, the same code
      {"phone", "phn"},     // the first two letters are copied unchanged
      {"fone", "fon"},
      {"KNIGHT", "knt"},    // lower-cased first
      {"ball", "bal"},      // the second l repeats the code's last character
      {"back", "bak"},      // "ck" is one k
      {"bakck", "bakk"},    // a two-character rule is never dropped as a duplicate
      {"special", "spxl"},  // "cia" gives x and leaves "ia" in place
      {"xxaha", "xxh"},     // "aha" gives h and leaves the second a
      {"a", "a"},           // one character, one character of code
      {"", ""},
      {"aeiou", "ae"},     // nothing but vowels: only the copied prefix
      {"catch", "cax"},    // "tch" consumes three
      {"thought", "tht"},  // "gh" before a consonant gives nothing
  };
  for (const Row& r : rows) EXPECT_EQ(map.GetMapping(r.word), r.code) << r.word;
}

TEST(PhoneticMap, BudgetCountsOutputAfterThePrefix) {
  auto english = English();
  TPhoneticsMap& map = *english;
  // Six one-character outputs fill the budget of 6: 2 + 6 characters.
  EXPECT_EQ(map.GetMapping("zzbdfklmnr"), "zzbtfklm");
  // The last output has two characters and goes past the budget: 2 + 7.
  EXPECT_EQ(map.GetMapping("zzbdfklxmn"), "zzbtfklks");
  map.WriteLimit(2);
  EXPECT_EQ(map.GetMapping("zzbdf"), "zzbt");
}

TEST(PhoneticMap, LookAheadLeavesUnconsumedCharacters) {
  auto english = English();
  TPhoneticsMap& map = *english;
  std::string_view out;
  int consumed = 0;
  ASSERT_TRUE(map.GetNextMap("cia", out, 1, consumed));
  EXPECT_EQ(out, "x");
  EXPECT_EQ(consumed, 1);
  ASSERT_TRUE(map.GetNextMap("aha", out, 1, consumed));
  EXPECT_EQ(out, "h");
  EXPECT_EQ(consumed, 2);
  // Longest match, falling back to shorter sources.
  ASSERT_TRUE(map.GetNextMap("cat", out, 1, consumed));
  EXPECT_EQ(out, "k");
  ASSERT_TRUE(map.GetNextMap("xtch", out, 2, consumed));
  EXPECT_EQ(out, "x");
  EXPECT_EQ(consumed, 3);
  // Vowels have no rule.
  EXPECT_FALSE(map.GetNextMap("a", out, 1, consumed));
  EXPECT_FALSE(map.GetNextMap("abc", out, 4, consumed));  // past the end
}

TEST(PhoneticMap, OtherRuleSets) {
  TPhoneticsMap map;
  EXPECT_EQ(map.ReadLanguage(), TPhoneticsMap::kNoLanguage);
  EXPECT_EQ(map.GetMapping("bonjour"), "bo");        // no rules before a language is chosen
  map.WriteLanguage(1036);                           // French
  EXPECT_EQ(map.GetMapping("xxpbtkvz"), "xxbdcfx");  // pb gives one b: duplicates drop
  map.WriteLanguage(1031);                           // German: the default set
  EXPECT_EQ(map.GetMapping("xxpsdl"), "xxbkdl");
  map.WriteLanguage(0);
  EXPECT_EQ(map.GetMapping("xxvgt"), "xxbkd");
  map.WriteLanguage(1049);  // Russian, Windows-1251
  // "оро" becomes "ора" and consumes all three; "д" becomes "т".
  EXPECT_EQ(map.GetMapping("\xE0\xE0\xEE\xF0\xEE\xE4"), "\xE0\xE0\xEE\xF0\xE0\xF2");
  // "сш" gives ш and consumes only the с; ш alone has no rule.
  EXPECT_EQ(map.GetMapping("\xE0\xE0\xF1\xF8"), "\xE0\xE0\xF8");
  // Upper-case Cyrillic folds like the lower-case letters.
  EXPECT_EQ(map.GetMapping("\xC0\xC0\xC1"), "\xE0\xE0\xE1\xFC");
}

TEST(PhoneticMap, SameLanguageKeepsHandlerRulesOtherLanguageDiscardsThem) {
  auto english = English();
  TPhoneticsMap& map = *english;
  map.AddMap("qu", "kw", 2);
  EXPECT_EQ(map.GetMapping("aaqu"), "aakw");
  map.WriteLanguage(1033);
  EXPECT_EQ(map.GetMapping("aaqu"), "aakw");
  map.WriteLanguage(2057);  // English (UK): same low byte, another language
  EXPECT_EQ(map.GetMapping("aaqu"), "aak");
  map.AddMap("b", "p", 1);  // replacing a rule's output
  EXPECT_EQ(map.GetMapping("aab"), "aap");
  map.ClearMap();
  EXPECT_FALSE(map.ReadHasChildren());
  EXPECT_EQ(map.GetMapping("aab"), "aa");
}

// The suggestions switch between the English and the default rules for each
// word; a rule set taken back must be the installed one, never one a handler
// changed before the switch.
TEST(PhoneticMap, SwitchingBackGivesTheInstalledRules) {
  auto english = English();
  TPhoneticsMap& map = *english;
  const std::string words[] = {"aaphone", "aaknight", "aaqueue", "aabvx"};
  std::vector<std::string> englishCodes, defaultCodes;
  for (const std::string& w : words) englishCodes.push_back(map.GetMapping(w));
  map.WriteLanguage(0);
  for (const std::string& w : words) defaultCodes.push_back(map.GetMapping(w));
  EXPECT_NE(englishCodes, defaultCodes);
  for (int round = 0; round < 2; ++round) {
    map.WriteLanguage(1033);
    for (size_t i = 0; i < std::size(words); ++i) EXPECT_EQ(map.GetMapping(words[i]), englishCodes[i]) << words[i];
    map.AddMap("qu", "kw", 2);  // a handler's change lasts until the next switch
    EXPECT_EQ(map.GetMapping("aaqu"), "aakw");
    map.WriteLanguage(0);
    for (size_t i = 0; i < std::size(words); ++i) EXPECT_EQ(map.GetMapping(words[i]), defaultCodes[i]) << words[i];
    map.ClearMap();
    EXPECT_EQ(map.GetMapping("aab"), "aa");
  }
  map.WriteLanguage(1033);
  EXPECT_EQ(map.GetMapping("aaqu"), "aak");
}

TEST(PhoneticMap, StartDepth) {
  auto english = English();
  TPhoneticsMap& map = *english;
  map.WriteStartDepth(0);
  EXPECT_EQ(map.ReadStartDepth(), 2);
  map.WriteStartDepth(-3);
  EXPECT_EQ(map.ReadStartDepth(), 2);
  map.WriteStartDepth(3);
  EXPECT_EQ(map.GetMapping("knight"), "knit");
  map.WriteStartDepth(1);
  EXPECT_EQ(map.GetMapping("fone"), "fn");
}

TEST(PhoneticMap, RulesThatConsumeNothingStillEnd) {
  auto english = English();
  TPhoneticsMap& map = *english;
  map.AddMap("z", "z", 0);
  map.AddMap("", "?", 0);  // an empty source marks the root itself
  EXPECT_EQ(map.GetMapping("aazaz"), "aaz?z");
  EXPECT_EQ(map.GetMapping("aazazazazazazazaz"), "aaz?z?z?");
}

TEST(PhoneticMap, AcceptableDistance) {
  TPhoneticsMap map;
  struct Row {
    int divisor, maximum;
    const char* word;
    int distance;
    bool ok;
  } rows[] = {
      {2, 4, "abcd", 2, true},       {2, 4, "abcd", 3, false},       {2, 4, "abcde", 2, true},
      {2, 4, "abcdefghij", 4, true}, {2, 4, "abcdefghij", 5, false}, {1, 4, "abc", 3, true},
      {0, 4, "abc", 3, true},  // no division by zero: treated as 1
      {0, 4, "abc", 4, false},       {-2, 9, "abcdef", 6, true},     {2, 4, "", 0, true},
  };
  for (const Row& r : rows) {
    map.WriteDistanceDivisor(r.divisor);
    map.WriteDistanceMaximum(r.maximum);
    EXPECT_EQ(map.AcceptableDistance(r.word, r.distance), r.ok) << r.word << " " << r.distance << "/" << r.divisor;
  }
}

}  // namespace
}  // namespace tq::spell
