#include "spell/engine/suggestions_generator.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace tq::spell {
namespace {

// An existence test over a fixed word set that records what it was asked.
struct Words {
  std::set<std::string> known;
  std::vector<std::string> asked;
  TExistsEvent event() {
    return [this](const std::string& w, bool& exists) {
      asked.push_back(w);
      exists = known.count(w) > 0;
    };
  }
};

std::vector<std::string> Suggested(TSuggestionsGenerator& g, Words& words, const std::string& word, int max = -1) {
  std::vector<std::string> list;
  g.Suggest(word, max, words.event(), &list);
  return list;
}

TEST(SuggestionsGenerator, CharacterSetsAsCreated) {
  TSuggestionsGenerator g;
  EXPECT_EQ(g.ReadUsageCharSet().size(), 67u);
  EXPECT_EQ(g.ReadStartCharSet().size(), 122u);
  EXPECT_EQ(g.ReadUsageCharSet().front(), '\'');
  EXPECT_EQ(g.ReadUsageCharSet().substr(62), "\xB8\xA8\xB9\xB3\xBF");
  EXPECT_EQ(g.ReadSuggestionTypes(), TSuggestionTypes::All());
}

TEST(SuggestionsGenerator, CandidateCountsForASevenLetterWord) {
  TSuggestionsGenerator g;
  Words none;
  EXPECT_TRUE(Suggested(g, none, "abcdefg").empty());
  EXPECT_EQ(g.ReadCandidatesMade(stSingleDeletion), 591);
  EXPECT_EQ(g.ReadCandidatesMade(stSubstitution), 524);
  EXPECT_EQ(g.ReadCandidatesMade(stInsertion), 7);
  EXPECT_EQ(g.ReadCandidatesMade(stTransposition), 11);
  EXPECT_EQ(g.ReadCandidatesMade(stSplitWord), 4);
  // Transpositions come first, from the end, distance 1 before the others.
  ASSERT_GE(none.asked.size(), 6u);
  EXPECT_EQ(none.asked[0], "abcdegf");
  EXPECT_EQ(none.asked[5], "bacdefg");
  EXPECT_EQ(none.asked[6], "abcdefg'");  // then insertions, appended first
}

TEST(SuggestionsGenerator, TranspositionsNeedALongEnoughWord) {
  TSuggestionsGenerator g;
  g.WriteSuggestionTypes({stTransposition});
  EXPECT_FALSE(g.ReadDefaultSuggestionTypes());
  Words none;
  Suggested(g, none, "ab");
  EXPECT_TRUE(none.asked.empty());
  Suggested(g, none, "abc");
  // Two adjacent swaps; a swap across one letter needs four letters.
  EXPECT_EQ(none.asked, (std::vector<std::string>{"acb", "bac"}));
  none.asked.clear();
  Suggested(g, none, "abcd");
  EXPECT_EQ(none.asked, (std::vector<std::string>{"abdc", "acbd", "bacd", "adcb", "cbad"}));
}

TEST(SuggestionsGenerator, EachKindOfSlipIsFound) {
  TSuggestionsGenerator g;
  Words w{{"house", "horse", "hose", "hoses", "the", "cat", "End", "end", "Next", "red", "dog"}, {}};
  struct Case {
    std::string word;
    std::vector<std::string> expected;
  } cases[] = {
      {"hosue", {"house", "hose"}},           // swaps before deletions
      {"hous", {"house"}},                    // a letter left out
      {"houuse", {"house"}},                  // a letter too many
      {"hoise", {"hose", "horse", "house"}},  // deletions before substitutions
      {"thecat", {"the cat"}},
      {"reddog", {"red dog"}},
      {"end.Next", {"end.  Next"}},
      {"end.next", {}},  // the second part must be capitalised
  };
  for (const Case& c : cases) EXPECT_EQ(Suggested(g, w, c.word), c.expected) << c.word;
}

TEST(SuggestionsGenerator, LetterCaseOfCandidates) {
  TSuggestionsGenerator g;
  Words w{{"Paris", "parish", "Bob", "bob"}, {}};
  // A lower-case slip gets no capitalised word whose lower-case form exists,
  // and a capitalised one only when nothing lower-case stands for it.
  EXPECT_EQ(Suggested(g, w, "parsh"), (std::vector<std::string>{"parish"}));
  EXPECT_EQ(Suggested(g, w, "bbo"), (std::vector<std::string>{"bob"}));
  EXPECT_EQ(Suggested(g, w, "paris"), (std::vector<std::string>{"parish", "Paris"}));
  // A capitalised slip uses the start set everywhere, so capitals may appear.
  Words caps{{"PaRis"}, {}};
  EXPECT_EQ(Suggested(g, caps, "Paris"), (std::vector<std::string>{"PaRis"}));
  EXPECT_EQ(Suggested(g, caps, "paris"), (std::vector<std::string>{}));
}

TEST(SuggestionsGenerator, MixedCaseRunsAgainLowerCased) {
  TSuggestionsGenerator g;
  Words w{{"house", "House"}, {}};
  // "HOuse": first letter kept, the rest lower-cased: "House" itself is not
  // a slip of "HOuse" by one edit of the lower-case run, but is of the first.
  EXPECT_EQ(Suggested(g, w, "hOuse"), (std::vector<std::string>{"house"}));
  EXPECT_EQ(Suggested(g, w, "HOusse"), (std::vector<std::string>{"House"}));
}

TEST(SuggestionsGenerator, MaxLetsOneMoreInThenStops) {
  TSuggestionsGenerator g;
  Words w{{"ba", "ca", "da", "ea", "fa", "ga", "ha", "ia"}, {}};
  std::vector<std::string> list;
  g.Suggest("xa", 5, w.event(), &list);
  EXPECT_EQ(list.size(), 6u);
  list.clear();
  g.Suggest("xa", 0, w.event(), &list);
  EXPECT_TRUE(list.empty());
  g.Suggest("", -1, w.event(), &list);
  g.Suggest(std::string(251, 'a'), -1, w.event(), &list);
  EXPECT_TRUE(list.empty());
}

TEST(SuggestionsGenerator, LanguagesAddLettersAndSwedishDoesNotSplit) {
  TSuggestionsGenerator g;
  g.WriteLanguage(1036);
  EXPECT_EQ(g.ReadUsageCharSet().back(), '\x9C');
  EXPECT_EQ(g.ReadUsageCharSet().size(), 68u);
  g.WriteLanguage(1036);  // unchanged: nothing added
  EXPECT_EQ(g.ReadUsageCharSet().size(), 68u);
  g.WriteLanguage(1029);
  EXPECT_EQ(g.ReadUsageCharSet().size(), 98u);
  EXPECT_EQ(g.ReadStartCharSet().size(), 122u + 1 + 30);
  g.WriteLanguage(1053);
  EXPECT_FALSE(g.ReadSuggestionTypes().Contains(stSplitWord));
  Words w{{"the", "cat"}, {}};
  EXPECT_TRUE(Suggested(g, w, "thecat").empty());
  g.WriteLanguage(1033);
  EXPECT_TRUE(g.ReadSuggestionTypes().Contains(stSplitWord));
  // Types set by hand stay when the language changes.
  g.WriteSuggestionTypes({stInsertion});
  g.WriteLanguage(1053);
  EXPECT_EQ(g.ReadSuggestionTypes(), TSuggestionTypes{stInsertion});
}

}  // namespace
}  // namespace tq::spell
