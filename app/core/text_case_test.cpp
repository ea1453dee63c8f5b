#include "app/core/text_case.h"

#include <gtest/gtest.h>

namespace tq::app {
namespace {

TEST(TextCase, LetterCaseOfUtf8Text) {
  struct Case {
    const char* text;
    const char* lower;
  };
  const Case cases[] = {
      {"SALES ÀÉÞ × ŠŒŽŸ ß 1-Z", "sales àéþ × šœžÿ ß 1-z"},
      {"ĀĂĄĆČĎĚĞĪŁŃŇŐŘŚŞŠŢŤŮŰŹŻŽ ȘȚ", "āăąćčďěğīłńňőřśşšţťůűźżž șț"},
      {"ΑΒΓΔ ΆΈΉΊΌΎΏ ΪΫ ΟΔΟΣ οδος", "αβγδ άέήίόύώ ϊϋ οδοσ οδοσ"},
      {"ПРИВЕТ ЁЂЄЇЎЏ ҐӀӁ Ԯ", "привет ёђєїўџ ґӏӂ ԯ"},
      // Kept as they are: İ (its lower case is shorter), other scripts,
      // bytes that are not UTF-8.
      {"İ 日本 ＡＢ 👍 \xC3 \xFF", "İ 日本 ＡＢ 👍 \xC3 \xFF"},
  };
  for (const Case& c : cases) EXPECT_EQ(LowerCase(c.text), c.lower) << c.text;
  EXPECT_TRUE(SameTextIgnoringCase("Café", "CAFÉ"));
  EXPECT_TRUE(SameTextIgnoringCase("Привет", "пРИВЕТ"));
  EXPECT_FALSE(SameTextIgnoringCase("Cafe", "Café"));
  EXPECT_FALSE(SameTextIgnoringCase("Sales", "Sales "));
}

}  // namespace
}  // namespace tq::app
