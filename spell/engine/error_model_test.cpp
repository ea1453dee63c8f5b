#include "spell/engine/error_model.h"

#include <gtest/gtest.h>

namespace tq::spell {
namespace {

// Each row: a misspelling, the word meant, and a word it is less likely to
// stand for; the meant word must cost less.
TEST(ErrorModel, CommonMistakesCostLessThanOthersOfTheSameDistance) {
  const struct {
    const char* typed;
    const char* meant;
    const char* other;
  } rows[] = {
      {"recieve", "receive", "relieve"},      // a vowel pair swapped, against a wrong consonant
      {"seperate", "separate", "desperate"},  // a vowel for another, against a wrong first letter
      {"accomodate", "accommodate", "accumulate"},
      {"tomorow", "tomorrow", "tomorrows"},  // a doubled letter written once, against a letter left out
      {"untill", "until", "unto"},           // a letter doubled
      {"fone", "phone", "bone"},             // f for ph, against another first letter
      {"definate", "definite", "defiance"},
      {"independant", "independent", "independents"},
      {"acceptible", "acceptable", "accessible"},
      {"nessesary", "necessary", "nessus"},  // ss for c
      {"thier", "their", "thief"},
      {"wierd", "weird", "wired"},  // ie for ei, against a swap of consonant and vowel
      {"gat", "hat", "pat"},        // g lies next to h on the keyboard, not to p
  };
  for (const auto& row : rows)
    EXPECT_LT(TypingErrorCost(row.typed, row.meant), TypingErrorCost(row.typed, row.other))
        << row.typed << ": " << row.meant << " before " << row.other;
}

TEST(ErrorModel, NothingToPayForTheSameWordInAnyCase) {
  EXPECT_EQ(TypingErrorCost("house", "house"), 0.0);
  EXPECT_EQ(TypingErrorCost("HOUSE", "house"), 0.0);
  EXPECT_EQ(TypingErrorCost("", ""), 0.0);
  EXPECT_GT(TypingErrorCost("house", "hose"), 0.0);
  // A plain edit costs 1; the first letter wrong costs more.
  EXPECT_DOUBLE_EQ(TypingErrorCost("hxuse", "hquse"), 1.0);
  EXPECT_GT(TypingErrorCost("pouse", "house"), 1.0);
  // Nothing of either word is lost: all of it costs.
  EXPECT_DOUBLE_EQ(TypingErrorCost("", "bcd"), 3.0);
}

TEST(ErrorModel, VeryLongWordsCostTheirLength) {
  const std::string a(100, 'a'), b(90, 'a');
  EXPECT_EQ(TypingErrorCost(a, b), 100.0);
}

}  // namespace
}  // namespace tq::spell
