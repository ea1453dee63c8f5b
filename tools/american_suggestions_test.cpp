// The suggestions the engine gives with the shipped dictionary, word for word
// and in order, for a fixed set of misspellings (tools/misspellings.h). The recorded
// answers are tests/data/spell/american_suggestions.txt; any change to the
// engine that alters a suggestion list, or its order, shows here.
//
// To record the answers again after a deliberate change of ranking:
//   dictionary_compiler_tests --gtest_also_run_disabled_tests
//     --gtest_filter='AmericanSuggestions.DISABLED_Record'
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "platform/codepage.h"
#include "platform/env.h"
#include "spell/engine/ansi_text.h"
#include "spell/engine/quill_spell_base.h"
#include "tools/misspellings.h"
#include "tools/word_list.h"

namespace tq::tools {
namespace {

const std::string kGoldenPath = std::string(TQ_TEST_DATA_DIR) + "/spell/american_suggestions.txt";

// The engine as the program sets it up, over American.adm only.
std::unique_ptr<spell::TQuillSpellBase> OpenAmerican() {
  auto engine = std::make_unique<spell::TQuillSpellBase>();
  engine->BeginLoading();
  engine->WriteLearnSuggestions(false);
  engine->WriteConfigStorage(spell::csNone);
  engine->WriteConfigDictionaryDir(spell::TStringList{std::filesystem::path(TQ_AMERICAN_ADM).parent_path().string()});
  engine->ConfigDefaultMain = spell::TStringList{TQ_AMERICAN_ADM};
  engine->ConfigDefaultActiveCustom = "";
  engine->EndLoading();
  engine->Configuration().EnsureLoaded();
  return engine;
}

std::string Join(const std::vector<std::string>& list) {
  std::string out;
  for (size_t i = 0; i < list.size(); ++i) out += (i ? "|" : "") + list[i];
  return out;
}

// One line per misspelling: the word, its full list, its first five (as the
// live-spelling menu asks for them), tab-separated, in UTF-8.
std::string Answer(spell::TQuillSpellBase& engine, const std::string& word) {
  std::vector<std::string> all, five;
  engine.InternalSuggest(word, -1, all);
  engine.InternalSuggest(word, 5, five);
  return platform::Cp1252ToUtf8(word + "\t" + Join(all) + "\t" + Join(five));
}

TEST(AmericanSuggestions, DISABLED_Record) {
  std::string text;
  ASSERT_TRUE(platform::ReadWholeFile(platform::Env::Default(), TQ_WORD_LIST, &text).ok());
  const TWordList list = ReadUtf8WordList(text);
  auto engine = OpenAmerican();
  std::string out;
  const auto misspellings =
      MakeMisspellings(list.words, [&](const std::string& w) { return engine->WordAcceptable(w); });
  for (const TMisspelling& m : misspellings) out += Answer(*engine, m.typed) + "\n";
  const size_t count = misspellings.size();
  ASSERT_TRUE(platform::WriteWholeFile(platform::Env::Default(), kGoldenPath, out).ok());
  std::printf("%zu misspellings recorded in %s\n", count, kGoldenPath.c_str());
}

TEST(AmericanSuggestions, SameListsInTheSameOrder) {
  std::string golden;
  ASSERT_TRUE(platform::ReadWholeFile(platform::Env::Default(), kGoldenPath, &golden).ok());
  auto engine = OpenAmerican();
  size_t lines = 0, differ = 0;
  for (size_t start = 0, end; start < golden.size(); start = end + 1) {
    end = golden.find('\n', start);
    if (end == std::string::npos) end = golden.size();
    const std::string expected = golden.substr(start, end - start);
    std::string word;
    ASSERT_TRUE(platform::Utf8ToCp1252(expected.substr(0, expected.find('\t')), &word)) << expected;
    ++lines;
    const std::string got = Answer(*engine, word);
    if (got != expected && ++differ <= 20) ADD_FAILURE() << "expected " << expected << "\n     got " << got;
  }
  EXPECT_GT(lines, 2000u);
  EXPECT_EQ(differ, 0u) << "of " << lines << " misspellings";
}

}  // namespace
}  // namespace tq::tools
