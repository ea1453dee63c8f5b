#include "app/core/reply_record.h"

#include <gtest/gtest.h>

#include "app/core/text_case.h"

namespace tq::app {
namespace {

TEST(ReplyRecordTest, FormattedWhenTheRtfMarkerIsAnywhereInAnyCase) {
  const std::pair<const char*, bool> cases[] = {
      {"{\\rtf1\\ansi\\deff0 Hello}", true},
      {"Dear customer, {\\RTF1 in the middle", true},
      {"x{\\Rtf1", true},
      {"", false},
      {"Plain thanks", false},
      {"{\\rtf", false},    // no version digit
      {"{ \\rtf1", false},  // a blank between
      {"{\\rtf2", false},
      {"\\rtf1 without brace", false},
  };
  for (auto [text, formatted] : cases) EXPECT_EQ(IsFormattedResponse(text), formatted) << text;
}

TEST(ReplyRecordTest, NodeTextAddsTheHotKeyOnlyWhenAskedAndPresent) {
  struct Case {
    const char* description;
    int32_t hot_key;
    bool show;
    const char* text;
  };
  const Case cases[] = {
      {"Thanks", 0x6054, true, "Thanks (Shift+Ctrl+T)"},
      {"Thanks", 0x6054, false, "Thanks"},
      {"Thanks", 0, true, "Thanks"},
      {"Quote", 0xC052, true, "Quote (Ctrl+Alt+R)"},
      {"Bare", 0x74, true, "Bare (F5)"},
      {"Odd", 0x10000, true, "Odd"},  // no hotkey in the low 16 bits
      {"", 0x8041, true, " (Alt+A)"},
  };
  for (const Case& c : cases) {
    ReplyRecord r{"Cat", c.description, "text", c.hot_key};
    EXPECT_EQ(ReplyNodeText(r, c.show), c.text) << c.description << " " << c.hot_key;
  }
}

TEST(ReplyRecordTest, LetterCaseOfUtf8Text) {
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
