#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

#include "spell/engine/quill_spell_base.h"
#include "spell/engine/ansi_text.h"
#include "spell/engine/dictionary_test_support.h"
#include "tests/support/temp_dir.h"

namespace tq::spell {
namespace {

using testsupport::DictionaryEngine;
using testsupport::WriteMainDictionary;

const std::vector<std::string> kWords = {"house", "hose",   "horse", "mouse", "the",   "cat",  "phone",
                                         "night", "knight", "nine",  "paris", "Paris", "thing"};

struct Fixture {
  testing::TempDir dir;
  std::unique_ptr<DictionaryEngine> engine;
  Fixture() {
    WriteMainDictionary(dir.File("English.adm"), kWords, 1033);
    engine = std::make_unique<DictionaryEngine>(std::vector<std::string>{dir.path()}, TStringList{"English.adm"});
    engine->Loaded();
  }
  TQuillSpellBase& spell() { return **engine; }
  std::vector<std::pair<std::string, int>> Ranked(const std::string& word, int max = -1) {
    std::vector<std::string> list;
    std::vector<int> distances;
    spell().InternalSuggest(word, max, list, &distances);
    std::vector<std::pair<std::string, int>> out;
    for (size_t i = 0; i < list.size(); ++i) out.emplace_back(list[i], distances[i]);
    return out;
  }
};

using Ranking = std::vector<std::pair<std::string, int>>;

TEST(EngineSuggest, RankedByDistanceThenCut) {
  Fixture f;
  f.spell().WriteLearnSuggestions(false);  // plain distances
  const Ranking all = f.Ranked("hosue");
  ASSERT_GE(all.size(), 2u);
  EXPECT_EQ(all[0], (std::pair<std::string, int>{"house", 1}));
  EXPECT_EQ(all[1], (std::pair<std::string, int>{"hose", 1}));
  for (size_t i = 1; i < all.size(); ++i) EXPECT_LE(all[i - 1].second, all[i].second);
  EXPECT_EQ(f.Ranked("hosue", 1), (Ranking{{"house", 1}}));
  EXPECT_TRUE(f.Ranked("hosue", 0).empty());
}

TEST(EngineSuggest, SoundAlikesFromTheMainDictionary) {
  Fixture f;
  f.spell().WriteLearnSuggestions(false);
  std::vector<std::string> list;
  f.spell().Suggest("hows", list);  // two edits from "house", which sounds the same
  EXPECT_NE(std::find(list.begin(), list.end(), "house"), list.end());
  f.spell().Suggest("kniet", list);
  EXPECT_EQ(list, (std::vector<std::string>{"knight"}));
  // "knite" sounds like "knight" too, but is three edits away for five letters.
  f.spell().Suggest("knite", list);
  EXPECT_EQ(std::find(list.begin(), list.end(), "knight"), list.end());
  // Sound-alikes too far from the word are dropped.
  f.spell().Suggest("xyzzyqqq", list);
  EXPECT_TRUE(list.empty());
}

TEST(EngineSuggest, MappingPairIsTheOnlySuggestion) {
  Fixture f;
  f.spell().WriteMappingDictionary("map.adu");
  ASSERT_NE(f.spell().ReadMappingDictionary(), nullptr);
  f.spell().ReadMappingDictionary()->AddAutoCorrect("hosue", "hovel");
  std::vector<std::string> list;
  f.spell().Suggest("hosue", list);
  EXPECT_EQ(list, (std::vector<std::string>{"hovel"}));
  EXPECT_TRUE(f.spell().WordExcluded("hosue"));  // a mapped word is never accepted as it is
}

TEST(EngineSuggest, LearnedCorrectionComesFirst) {
  Fixture f;
  ASSERT_NE(f.spell().ReadLearningDictionary(), nullptr);
  f.spell().LearnSuggestion("hosue", "mouse");  // two edits away, yet first
  const Ranking ranked = f.Ranked("hosue");
  ASSERT_GE(ranked.size(), 3u);
  EXPECT_EQ(ranked[0], (std::pair<std::string, int>{"mouse", -1}));  // learned and added: 2*0-1
  EXPECT_EQ(ranked[1], (std::pair<std::string, int>{"house", 2}));
  // A learned replacement the generators did not find goes in all the same.
  f.spell().LearnSuggestion("qqq", "cat");
  EXPECT_EQ(f.Ranked("qqq").front().first, "cat");
  // Without the learning dictionary nothing is remembered.
  f.spell().WriteLearnSuggestions(false);
  f.spell().LearnSuggestion("zzz", "cat");
  EXPECT_TRUE(f.Ranked("zzz").empty());
}

TEST(EngineSuggest, PossessivesAndCaseModificationCountAsWords) {
  Fixture f;
  f.spell().WriteLearnSuggestions(false);
  f.spell().AllowedCases = cmInitialCaps;
  bool exists = false;
  f.spell().ExistsEvent("House", exists);
  EXPECT_TRUE(exists);
  f.spell().ExistsEvent("cat's", exists);
  EXPECT_TRUE(exists);
  f.spell().ExistsEvent("HOUSE", exists);
  EXPECT_FALSE(exists);
  f.spell().AllowedCases = cmInitialCapsOrUpcase;
  f.spell().ExistsEvent("HOUSE", exists);
  EXPECT_TRUE(exists);
}

// An engine over a few words with an active custom dictionary and options.
struct SmallEngine {
  testing::TempDir dir;
  std::unique_ptr<DictionaryEngine> engine;
  explicit SmallEngine(const std::vector<std::string>& words, TSpellOptions options = {}) {
    WriteMainDictionary(dir.File("English.adm"), words, 1033);
    engine = std::make_unique<DictionaryEngine>(std::vector<std::string>{dir.path()}, TStringList{"English.adm"},
                                                "mine.adu", options);
    engine->Loaded();
  }
  TQuillSpellBase& spell() { return **engine; }
  std::vector<std::string> Suggest(const std::string& word, int max = -1) {
    std::vector<std::string> list;
    spell().InternalSuggest(word, max, list);
    return list;
  }
};

// The word forms the user writes and the words excluded.
struct FormsFixture : SmallEngine {
  FormsFixture() : SmallEngine({"it's", "John", "color", "colour", "house", "hose", "the"}) {}
};

TEST(EngineWords, TypographicApostropheReadsAsTheAsciiOne) {
  FormsFixture f;
  const struct {
    const char* text;
    int errors;
  } rows[] = {
      {"it\x92s", 0},        {"it's", 0},         {"John\x92s", 0},  {"John's", 0},  // as written, possessive
      {"It\x92s", 0},        {"cat\x92s", 1},     {"it\x92x", 1},    {"it\x92\x92s", 1},
      {"the John\x92s", 0},  {"\x92John", 1},
  };
  for (const auto& row : rows) EXPECT_EQ(f.spell().GetErrorCountString(row.text), row.errors) << row.text;
  // Excluding "it's" excludes both spellings.
  ASSERT_NE(f.spell().ReadActiveCustomDictionary(), nullptr);
  f.spell().ReadActiveCustomDictionary()->AddExclude("it's");
  EXPECT_TRUE(f.spell().WordExcluded("it\x92s"));
  EXPECT_EQ(f.spell().GetErrorCountString("it\x92s it's"), 2);
}

TEST(EngineSuggest, ExcludedWordIsNeverOffered) {
  FormsFixture f;
  using List = std::vector<std::string>;
  EXPECT_EQ(f.Suggest("colr"), (List{"color", "colour"}));
  EXPECT_EQ(f.Suggest("coller"), (List{"color", "colour"}));  // sound-alikes
  f.spell().ReadActiveCustomDictionary()->AddExclude("color");
  // Neither as the word itself, as a slip, as a sound-alike nor as a learned
  // correction.
  EXPECT_EQ(f.Suggest("color"), (List{"colour"}));
  EXPECT_EQ(f.Suggest("colr"), (List{"colour"}));
  EXPECT_EQ(f.Suggest("coller"), (List{"colour"}));
  ASSERT_NE(f.spell().ReadLearningDictionary(), nullptr);
  f.spell().LearnSuggestion("qqq", "color");
  EXPECT_EQ(f.Suggest("qqq"), (List{}));
  // With exclusion off the word is an ordinary one again.
  f.spell().UseExcludeWords = false;
  EXPECT_EQ(f.Suggest("color").front(), "color");
  EXPECT_EQ(f.Suggest("qqq"), (List{"color"}));
}

// Optimal string alignment distance, letter case aside: what NearWords
// promises to stay within.
int Aligned(const std::string& a0, const std::string& b0) {
  const std::string a = AnsiLowerCase(a0), b = AnsiLowerCase(b0);
  std::vector<std::vector<int>> d(a.size() + 1, std::vector<int>(b.size() + 1));
  for (size_t i = 0; i <= a.size(); ++i) d[i][0] = static_cast<int>(i);
  for (size_t j = 0; j <= b.size(); ++j) d[0][j] = static_cast<int>(j);
  for (size_t i = 1; i <= a.size(); ++i)
    for (size_t j = 1; j <= b.size(); ++j) {
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  return d[a.size()][b.size()];
}

TEST(MainDictionaryNearWords, EveryWordWithinReachAndNoOther) {
  testing::TempDir dir;
  std::mt19937 rng(3);
  std::vector<std::string> words;
  for (int i = 0; i < 600; ++i) {
    std::string w;
    for (size_t n = 1 + rng() % 7; w.size() < n;) w += static_cast<char>("abcdeABC'"[rng() % 9]);
    words.push_back(w);
  }
  WriteMainDictionary(dir.File("Random.adm"), words, 1033);
  TMainDictionary dict;
  dict.WriteFilename(dir.File("Random.adm"));
  for (const char* target : {"abcab", "b", "ccc", "Abe'd", "eeeeeee", "ba"})
    for (int reach = 0; reach <= 2; ++reach) {
      std::set<std::string> expected, found;
      for (const std::string& w : words)
        if (w.size() >= 2 && Aligned(w, target) <= reach) expected.insert(w);
      dict.NearWords(target, reach, [&](std::string_view w) { EXPECT_TRUE(found.emplace(w).second) << w; });
      EXPECT_EQ(found, expected) << target << " within " << reach;
    }
}

// Lookups remember answers and where the last walk went; both belong to the
// file they came from.
TEST(MainDictionaryLookups, AnswersFollowTheFile) {
  testing::TempDir dir;
  WriteMainDictionary(dir.File("a.adm"), {"house", "hose", "houses", "horse"}, 1033);
  WriteMainDictionary(dir.File("b.adm"), {"mouse", "hous", "housed"}, 1033);
  TMainDictionary dict;
  const char* probes[] = {"house", "hous", "houses", "housed", "hose", "horse", "mouse", "house", "hou"};
  const auto answers = [&] {
    std::string out;
    for (int round = 0; round < 2; ++round)
      for (const char* w : probes) out += dict.WordExists(w) ? '1' : '0';
    return out;
  };
  dict.WriteFilename(dir.File("a.adm"));
  EXPECT_EQ(answers(), "101011010"
                       "101011010");
  dict.WriteFilename(dir.File("b.adm"));
  EXPECT_EQ(answers(), "010100100"
                       "010100100");
  dict.WriteLoaded(false);
  dict.WriteFilename(dir.File("a.adm"));
  EXPECT_EQ(answers(), "101011010"
                       "101011010");
}

// Lookups resume one of two earlier walks, whichever shares more with the
// word; answers with and without remembering must be the set's, whatever
// order the words come in (capitalised and lower-case forms interleaved, as
// a capitalised word's candidates come).
TEST(MainDictionaryLookups, ResumedWalksAnswerAsTheSet) {
  testing::TempDir dir;
  const std::vector<std::string> words = {"House",  "house",  "houses", "housed", "Hose",    "hose",
                                          "horse",  "horsed", "Mouse",  "mouse",  "mousers", "ho",
                                          "Holmes", "holm",   "h'm",    "hum",    "humus",   "zymurgy"};
  WriteMainDictionary(dir.File("a.adm"), words, 1033);
  const std::set<std::string> held(words.begin(), words.end());
  std::vector<std::string> probes = words;
  for (const std::string& w : words) {
    probes.push_back(w.substr(0, w.size() - 1));
    probes.push_back(w + "s");
    probes.push_back(w.substr(0, w.size() / 2) + "x" + w.substr(w.size() / 2));
    std::string flipped = w;
    flipped[0] = flipped[0] >= 'a' ? static_cast<char>(flipped[0] - 32) : static_cast<char>(flipped[0] + 32);
    probes.push_back(flipped);
  }
  std::mt19937 rng(15);
  for (const bool remembering : {true, false}) {
    TMainDictionary dict;
    dict.WriteFilename(dir.File("a.adm"));
    dict.WriteRemembering(remembering);
    for (int i = 0; i < 4000; ++i) {
      const std::string& w = probes[rng() % probes.size()];
      ASSERT_EQ(dict.WordExists(w), held.count(w) == 1) << w << " after " << i << " lookups";
    }
  }
}

// Many words, as a long text brings them: child lists wide enough to be
// indexed on first use, and more different words than the remembered
// answers first have room for, so that their table grows while it answers.
// Every answer is the set's, the first time and when it is given again.
TEST(MainDictionaryLookups, ManyWordsAnswerAsTheSet) {
  testing::TempDir dir;
  std::mt19937 rng(1515);
  const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ'\xE9\x92";
  auto word = [&](size_t length) {
    std::string w;
    for (size_t i = 0; i < length; ++i) w += letters[rng() % (i < 2 ? letters.size() : 26)];
    return w;
  };
  std::set<std::string> held;
  while (held.size() < 6000) held.insert(word(2 + rng() % 9));
  WriteMainDictionary(dir.File("many.adm"), std::vector<std::string>(held.begin(), held.end()), 1033);
  std::vector<std::string> probes(held.begin(), held.end());
  while (probes.size() < 30000) {
    std::string w = word(2 + rng() % 30);  // some longer than an answer is kept for
    if (rng() % 2) {
      w = probes[rng() % held.size()];
      w[rng() % w.size()] = letters[rng() % letters.size()];
    }
    probes.push_back(w);
  }
  TMainDictionary dict;
  dict.WriteFilename(dir.File("many.adm"));
  for (int round = 0; round < 2; ++round) {
    std::shuffle(probes.begin(), probes.end(), rng);
    for (const std::string& w : probes) ASSERT_EQ(dict.WordExists(w), held.count(w) == 1) << w << " round " << round;
  }
}

// An engine with thorough suggestions over a few words.
struct ThoroughFixture : SmallEngine {
  ThoroughFixture() : SmallEngine({"the", "cat", "hat", "weird", "tea", "to", "ten"}, {soThoroughSuggestions}) {}
  void Thorough(bool on) {
    TSpellOptions options = spell().Configuration().ReadSpellOptions();
    options.Set(soThoroughSuggestions, on);
    spell().Configuration().WriteSpellOptions(options);
  }
};

TEST(EngineSuggest, ThoroughLooksFurtherRanksTiesAndKeepsTheCase) {
  ThoroughFixture f;
  using List = std::vector<std::string>;
  ASSERT_TRUE(f.spell().ReadThoroughSuggestions());
  // Two edits away (a swap and an extra letter), which no slip reaches.
  EXPECT_EQ(f.Suggest("wierdd"), (List{"weird"}));
  // A neighbouring key first (g is next to h, not to c), and a swap of
  // neighbours before a wrong letter.
  EXPECT_EQ(f.Suggest("gat"), (List{"hat", "cat"}));
  // The typed word's case.
  EXPECT_EQ(f.Suggest("Teh").front(), "The");
  EXPECT_EQ(f.Suggest("TEH").front(), "THE");
  EXPECT_EQ(f.Suggest("teh", 1), (List{"the"}));

  // Off, the order is the specified one and nothing further is looked for.
  f.Thorough(false);
  EXPECT_FALSE(f.spell().ReadThoroughSuggestions());
  EXPECT_EQ(f.Suggest("wierdd"), (List{}));
  EXPECT_EQ(f.Suggest("gat"), (List{"cat", "hat"}));
}

// Thorough suggestions over words that are one wrong letter away alike,
// with a side file saying how common some of them are.
struct FrequencyFixture : SmallEngine {
  explicit FrequencyFixture(const std::vector<std::pair<std::string, int>>& classes)
      : SmallEngine({"bat", "cat", "dat", "eat", "fat", "gat", "hat", "mat", "rat", "sat", "tat", "vat", "wat"},
                    {soThoroughSuggestions}) {
    std::vector<std::pair<uint32_t, int>> entries;
    for (const auto& [word, c] : classes) entries.emplace_back(TWordFrequencies::Hash(word), c);
    std::sort(entries.begin(), entries.end());
    std::string file("TQFRQ\x1A\x01\x00", 8);
    const auto put32 = [&](uint32_t v) {
      for (int i = 0; i < 4; ++i) file += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    put32(static_cast<uint32_t>(entries.size()));
    for (const auto& e : entries) put32(e.first);
    for (const auto& e : entries) file += static_cast<char>(e.second);
    EXPECT_TRUE(platform::WriteWholeFile(platform::Env::Default(), dir.File("English.frq"), file).ok());
  }
};

TEST(EngineSuggest, ThoroughPutsTheCommonerOfEquallyLikelyWordsFirstAndOffersTen) {
  using List = std::vector<std::string>;
  // "lat": every word is one wrong first letter away, none on a key next to l.
  const struct {
    std::vector<std::pair<std::string, int>> classes;
    List firstTwo;
  } rows[] = {
      {{{"hat", 120}, {"cat", 60}}, {"hat", "cat"}},
      {{{"hat", 60}, {"cat", 120}}, {"cat", "hat"}},
      {{{"tat", 1}}, {"tat", "bat"}},  // the least common word named is above those not named
  };
  for (const auto& row : rows) {
    FrequencyFixture f(row.classes);
    const List list = f.Suggest("lat");
    ASSERT_EQ(list.size(), 10u);
    EXPECT_EQ(List(list.begin(), list.begin() + 2), row.firstTwo);
    EXPECT_EQ(f.Suggest("lat", 2), row.firstTwo);
  }
  // The specified ranking offers all thirteen, frequencies aside.
  FrequencyFixture f({{"vat", 200}});
  TSpellOptions options = f.spell().Configuration().ReadSpellOptions();
  options.Exclude(soThoroughSuggestions);
  f.spell().Configuration().WriteSpellOptions(options);
  const List all = f.Suggest("lat");
  EXPECT_EQ(all.size(), 13u);
  EXPECT_NE(all.front(), "vat");
}

}  // namespace
}  // namespace tq::spell
