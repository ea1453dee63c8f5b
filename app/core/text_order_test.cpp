#include "app/core/text_order.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace tq::app {
namespace {

// Each list is in strictly rising order; every pair in it is checked both ways.
void ExpectRising(const std::vector<std::string>& texts) {
  for (size_t i = 0; i < texts.size(); ++i)
    for (size_t j = i + 1; j < texts.size(); ++j) {
      EXPECT_LT(CompareWindowsText(texts[i], texts[j]), 0) << '"' << texts[i] << "\" < \"" << texts[j] << '"';
      EXPECT_GT(CompareWindowsText(texts[j], texts[i]), 0) << '"' << texts[j] << "\" > \"" << texts[i] << '"';
    }
}

TEST(TextOrderTest, LevelsInTurn) {
  // Letter case only breaks ties, lower case first, position by position.
  ExpectRising({"", "a", "A", "ab", "aB", "Ab", "AB", "b", "B"});
  // Symbols before digits before letters; digits one by one, not as numbers.
  ExpectRising({" ", "!", "#1", "$", "(a)", "+", "1", "10", "2", "a", "z"});
  // Accents before case, compared from the left.
  ExpectRising({"cote", "Cote", "cot\xe9", "c\xf4te", "c\xf4t\xe9", "dote"});
  // Hyphens and apostrophes count only after everything else; a later one
  // sorts first, and letter case outranks them.
  ExpectRising({"coop", "coop-", "co-op", "-coop", "Coop", "coopa"});
  ExpectRising({"its", "it's", "Its"});
  // Reply texts with their hotkey suffixes.
  ExpectRising(
      {"Thanks", "Thanks (Ctrl+Alt+R)", "Thanks (Shift+Ctrl+T)", "Thanks!", "thanks.", "Thanks.", "Thanksgiving"});
}

TEST(TextOrderTest, TextsThatCompareEqual) {
  const std::pair<std::string, std::string> equal[] = {
      {"ae", "\xe6"},  // æ is a and e
      {"AE", "\xc6"},  // Æ
      {"ss", "\xdf"},  // ß
      {"oe", "\x9c"},  // œ
      {"ab",
       "a\xad"
       "b"},                               // the soft hyphen weighs nothing
      {"abc", std::string("abc\0zz", 6)},  // the text ends at a zero byte
      {"", std::string("\0a", 2)},
  };
  for (const auto& [a, b] : equal) {
    EXPECT_EQ(CompareWindowsText(a, b), 0) << a;
    EXPECT_EQ(WindowsTextSortKey(a), WindowsTextSortKey(b)) << a;
  }
}

TEST(TextOrderTest, SortingRepliesByDisplayText) {
  std::vector<std::string> names = {"support", "Sales", "\xc9lan", "2nd try", "sales", "Elan",
                                    "e-mail",  "email", "Zebra",   "\xe6on",  "Adam"};
  std::sort(names.begin(), names.end(), WindowsTextLess());
  const std::vector<std::string> expected = {"2nd try", "Adam",  "\xe6on", "Elan",    "\xc9lan", "email",
                                             "e-mail",  "sales", "Sales",  "support", "Zebra"};
  EXPECT_EQ(names, expected);
}

TEST(TextOrderTest, Utf8TextAndCharactersBeyondTheCodePage) {
  // UTF-8 sorts as its Windows-1252 bytes did; a stray byte is its
  // Windows-1252 character.
  ExpectRising({"cote", "Cote", "coté", "côte", "côté", "dote"});
  EXPECT_EQ(CompareWindowsText("caf\xe9", "café"), 0);
  // Latin letters with marks by their base letter, the mark at level 2.
  ExpectRising({"Lodz", "Łodz", "Łódź", "Lofz", "sad", "šad", "śad", "Śad", "sae"});
  // Greek and Cyrillic after Latin, in alphabet order, lower case first.
  ExpectRising({"zebra", "άλφα", "Άλφα", "βήτα", "ωμέγα", "авто", "Авто", "ёж", "жук", "Жук", "яма", "日本"});
  ExpectRising({"е", "ё", "ж"});
  ExpectRising({"日", "本", "👍"});
}

TEST(TextOrderTest, ComparisonAgreesWithItsSortKeys) {
  // A small alphabet of case pairs, accents, ligatures and special characters
  // makes most pairs tie at the first level, where the shortcut ends.
  const std::string alphabet = "aAeE\xe9\xc9-'\xad\x01 \xe6";
  std::mt19937 rng(5);
  std::uniform_int_distribution<size_t> len(0, 4), pick(0, alphabet.size() - 1);
  auto make = [&] {
    std::string s(len(rng), ' ');
    for (char& c : s) c = alphabet[pick(rng)];
    return s;
  };
  for (int i = 0; i < 50000; ++i) {
    std::string a = make(), b = make();
    int by_keys = WindowsTextSortKey(a).compare(WindowsTextSortKey(b));
    ASSERT_EQ(CompareWindowsText(a, b), by_keys < 0 ? -1 : by_keys > 0 ? 1 : 0) << a << " / " << b;
  }
}

}  // namespace
}  // namespace tq::app
