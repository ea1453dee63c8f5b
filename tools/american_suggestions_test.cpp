// The suggestions the engine gives with the shipped dictionary, word for word
// and in order: the specified ranking for a fixed set of slips
// (tools/misspellings.h), recorded in tests/data/spell/american_suggestions.txt,
// and the thorough ranking for misspellings as people make them
// (tests/data/spell/realistic_misspellings.txt), recorded in
// american_thorough_suggestions.txt. Any change to the engine that alters a
// suggestion list, or its order, shows here.
//
// To record the answers again after a deliberate change of ranking:
//   dictionary_compiler_tests --gtest_also_run_disabled_tests
//     --gtest_filter='AmericanSuggestions.DISABLED_Record*'
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
const std::string kThoroughGoldenPath = std::string(TQ_TEST_DATA_DIR) + "/spell/american_thorough_suggestions.txt";
const std::string kRealisticPath = std::string(TQ_TEST_DATA_DIR) + "/spell/realistic_misspellings.txt";

// The engine as the program sets it up, over American.adm (and its word
// frequencies) only, with the ranking asked for.
std::unique_ptr<spell::TQuillSpellBase> OpenAmerican(bool thorough = false) {
  auto engine = std::make_unique<spell::TQuillSpellBase>();
  engine->BeginLoading();
  engine->WriteLearnSuggestions(false);
  engine->WriteConfigStorage(spell::csNone);
  engine->WriteConfigDictionaryDir(spell::TStringList{std::filesystem::path(TQ_AMERICAN_ADM).parent_path().string()});
  engine->ConfigDefaultMain = spell::TStringList{TQ_AMERICAN_ADM};
  engine->ConfigDefaultActiveCustom = "";
  engine->ConfigDefaultOptions.Set(spell::soThoroughSuggestions, thorough);
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

// Lines of the recorded file at path.
std::vector<std::string> Lines(const std::string& path) {
  std::string text;
  EXPECT_TRUE(platform::ReadWholeFile(platform::Env::Default(), path, &text).ok()) << path;
  std::vector<std::string> lines;
  for (size_t start = 0, end; start < text.size(); start = end + 1) {
    end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
  }
  return lines;
}

// The misspellings (Windows-1252) of the realistic list.
std::vector<std::string> RealisticMisspellings() {
  std::vector<std::string> words;
  for (const std::string& line : Lines(kRealisticPath)) {
    std::string word;
    if (platform::Utf8ToCp1252(line.substr(0, line.find('\t')), &word)) words.push_back(word);
  }
  return words;
}

TEST(AmericanSuggestions, DISABLED_RecordThorough) {
  auto engine = OpenAmerican(true);
  ASSERT_TRUE(engine->ReadThoroughSuggestions());
  std::string out;
  for (const std::string& word : RealisticMisspellings()) out += Answer(*engine, word) + "\n";
  ASSERT_TRUE(platform::WriteWholeFile(platform::Env::Default(), kThoroughGoldenPath, out).ok());
}

TEST(AmericanSuggestions, ThoroughSameListsInTheSameOrder) {
  auto engine = OpenAmerican(true);
  ASSERT_TRUE(engine->ReadThoroughSuggestions());
  const std::vector<std::string> words = RealisticMisspellings();
  const std::vector<std::string> golden = Lines(kThoroughGoldenPath);
  ASSERT_EQ(golden.size(), words.size());
  size_t differ = 0;
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string got = Answer(*engine, words[i]);
    if (got != golden[i] && ++differ <= 20) ADD_FAILURE() << "expected " << golden[i] << "\n     got " << got;
  }
  EXPECT_GT(words.size(), 1000u);
  EXPECT_EQ(differ, 0u) << "of " << words.size() << " misspellings";
}

}  // namespace
}  // namespace tq::tools
