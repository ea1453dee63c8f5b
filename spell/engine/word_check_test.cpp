#include "spell/engine/word_check.h"

#include <gtest/gtest.h>

#include "spell/engine/dictionary_test_support.h"
#include "spell/engine/string_parser.h"
#include "tests/support/temp_dir.h"

namespace tq::spell {
namespace {

// The quoted-line rule decides by the line around the cursor, so it shows
// whether the rules read the check's cursor.
TEST(WordCheck, IgnoreRulesReadAroundItsCursor) {
  testing::TempDir dir;
  testsupport::WriteMainDictionary(dir.File("English.adm"), {"the", "cat"}, 1033);
  testsupport::DictionaryEngine engine({dir.path()}, {"English.adm"}, "mine.adu", {soQuoted});
  TQuillSpellBase& s = engine.Loaded();
  for (const auto& [given, verdict] :
       std::vector<std::pair<std::string, TWordCheckType>>{{"> teh cat", wcAccepted}, {"teh cat", wcDenied}}) {
    SCOPED_TRACE(given);
    std::string text = given;
    TStringParser parser(text);
    std::vector<std::pair<std::string, TWordCheckType>> seen;
    {
      TWordCheck check(s, parser);
      EXPECT_EQ(s.ReadCurrentParser(), &parser);
      for (std::string word; check.NextWord(word);) seen.emplace_back(word, check.Verdict(word).Type);
    }
    EXPECT_EQ(seen, (std::vector<std::pair<std::string, TWordCheckType>>{{"teh", verdict}, {"cat", wcAccepted}}));
    EXPECT_EQ(s.ReadCurrentParser(), nullptr);
  }
  // Without a cursor there is no line to be quoted.
  EXPECT_EQ(s.Verdict("teh").Type, wcDenied);
}

}  // namespace
}  // namespace tq::spell
