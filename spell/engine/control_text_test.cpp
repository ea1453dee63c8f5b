#include "spell/engine/control_text.h"

#include <gtest/gtest.h>

#include "platform/utf16.h"
#include "spell/engine/dictionary_test_support.h"
#include "spell/engine/string_parser.h"
#include "tests/support/temp_dir.h"

namespace tq::spell {
namespace {

TEST(ControlText, OneBytePerUnit) {
  struct Case {
    std::u16string text;
    std::string engine;
  } cases[] = {
      {u"caf\u00e9 \u20ac5",
       "caf\xe9 \x80"
       "5"},  // Latin-1 and the euro of 0x80-0x9F
      {u"\U0001F600a",
       "\x81\x81"
       "a"},                                    // both halves of a surrogate pair
      {u"e\u0301", "e\x81"},                    // a combining mark
      {u"\u041a\u043e\u0442", "\x81\x81\x81"},  // Cyrillic
      {u"\u0081\u008d", "\x81\x81"},            // C1 controls Windows-1252 has no character for
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EngineTextOfUtf16(c.text), c.engine);
    EXPECT_EQ(EngineTextOfUtf16(c.text).size(), c.text.size());
  }
  EXPECT_EQ(Utf16OfEngineText("caf\xe9\x80\x81"), u"caf\u00e9\u20ac\ufffd");
  std::string engine;
  EXPECT_TRUE(EngineTextOfUtf8Exact("na\xc3\xafve \xe2\x82\xac", &engine));
  EXPECT_EQ(engine, "na\xefve \x80");
  EXPECT_FALSE(EngineTextOfUtf8Exact("\xd0\x9a\xd0\xbe\xd1\x82", &engine));  // Cyrillic
  EXPECT_FALSE(EngineTextOfUtf8Exact("\xff", &engine));                      // not UTF-8
}

// A check run over a control's text stops where the control has the word:
// positions are UTF-16 units, and words with a unit the engine cannot hold
// are passed over.
class ForeignUnits : public ::testing::Test {
 protected:
  void SetUp() override {
    testsupport::WriteMainDictionary(dir.File("English.adm"), {"the", "cat", "sat", "on", "mat"}, 1033);
    engine = std::make_unique<testsupport::DictionaryEngine>(
        std::vector<std::string>{dir.path()}, TStringList{"English.adm"}, "mine.adu", TSpellOptions{soRepeated});
    TQuillSpellBase& s = spell();
    s.Configuration().EnsureLoaded();
    s.WriteLearnSuggestions(false);
    s.AllowedCases = cmInitialCaps;
    s.OnPromptWord = [this](TQuillSpellBase* sender, const std::string& word, bool) {
      int32_t sx = 0, sy = 0, ex = 0, ey = 0;
      sender->ReadCurrentParser()->GetSelectionPosition(sx, sy, ex, ey);
      stops.push_back(word + "@" + std::to_string(sx - 1));  // the string cursor counts from 1
    };
    s.PumpMessage = [this] { spell().Check_Ignore(); };
  }
  TQuillSpellBase& spell() { return **engine; }

  tq::testing::TempDir dir;
  std::unique_ptr<testsupport::DictionaryEngine> engine;
  std::vector<std::string> stops;
};

TEST_F(ForeignUnits, StopsAtControlPositions) {
  struct Case {
    std::u16string text;
    std::vector<std::string> stops;
  } cases[] = {
      {u"\U0001F600 teh cat", {"teh@3"}},                        // emoji before: two units
      {u"cat\U0001F600teh zzq", {"zzq@9"}},                      // emoji inside a word: left alone
      {u"e\u0301teh teh on", {"teh@6"}},                         // a combining mark inside a word
      {u"\u041f\u0440\u0438\u0432\u0435\u0442 tac", {"tac@7"}},  // Cyrillic before
      {u"tac \u043a\u043e\u0442 mat", {"tac@0"}},                // and after
      {u"na\u00efve zzq", {"na\xefve@0", "zzq@6"}},              // Latin-1 is checked as ever
      {u"\U0001F600\U0001F600 zzq", {"zzq@5"}},
      {u"\u043a\u043e\u0442 \u043a\u043e\u0442 cat cat", {"cat cat@8"}},  // foreign repeats are no repeats
  };
  for (const Case& c : cases) {
    stops.clear();
    std::string text = EngineTextOfUtf16(c.text);
    TStringParser parser(text);
    spell().CheckParser(&parser, ctAll);
    EXPECT_EQ(stops, c.stops) << platform::Utf16ToUtf8(c.text);
  }
}

TEST_F(ForeignUnits, NeitherSuggestedNorAdded) {
  const std::string word = EngineTextOfUtf16(u"teh\U0001F600");
  std::vector<std::string> list{"stale"};
  spell().Suggest(word, list);
  EXPECT_TRUE(list.empty());
  EXPECT_TRUE(spell().WordAcceptable(word));
  EXPECT_FALSE(spell().WordExcluded(word));
  TCustomDictionary* mine = spell().ReadActiveCustomDictionary();
  ASSERT_NE(mine, nullptr);
  EXPECT_FALSE(mine->AddIgnore(word));
  EXPECT_FALSE(mine->AddAutoCorrect("teh", word));
  EXPECT_FALSE(mine->IgnoreExists(word));
}

}  // namespace
}  // namespace tq::spell
