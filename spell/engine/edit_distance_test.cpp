#include "spell/engine/edit_distance.h"

#include <gtest/gtest.h>

#include <string>

namespace tq::spell {
namespace {

TEST(EditDistance, Cases) {
  struct Case {
    std::string a, b;
    int distance;
  } cases[] = {
      {"house", "house", 0},
      {"", "", 0},
      {"", "abc", 3},
      {"hosue", "house", 1},   // neighbours swapped
      {"ab", "ba", 1},         // also for two letters
      {"teh", "the", 1},
      {"hous", "house", 1},    // missing letter
      {"housse", "house", 1},  // extra letter
      {"hoose", "house", 1},   // wrong letter
      {"House", "house", 1},   // case counts
      {"kitten", "sitting", 3},
      {"acb", "bca", 2},
      {"abcd", "badc", 1},  // each swap is credited against the table's 3
      {"aab", "aba", 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GetEditDistance(c.a, c.b), c.distance) << c.a << " / " << c.b;
    EXPECT_EQ(GetEditDistance(c.b, c.a), c.distance) << c.b << " / " << c.a;
  }
}

TEST(EditDistance, LongTextsAnswerTheLongerLength) {
  const std::string long255(255, 'x'), long254(254, 'x');
  EXPECT_EQ(GetEditDistance(long255, "x"), 255);
  EXPECT_EQ(GetEditDistance("", long255), 255);
  EXPECT_EQ(GetEditDistance(long255, long255), 255);
  EXPECT_EQ(GetEditDistance(long254, long254), 0);  // 254 is still measured
  EXPECT_EQ(GetEditDistance(long254, long254.substr(1)), 1);
}

}  // namespace
}  // namespace tq::spell
