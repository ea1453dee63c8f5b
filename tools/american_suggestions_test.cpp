// The suggestions the engine gives with the shipped dictionary, word for word
// and in order, for a fixed set of misspellings: one or two slips (a missing,
// extra, wrong or swapped letter) made with a fixed seed from every 31st word
// of the word list, some of them capitalised or in capitals. The recorded
// answers are tests/data/spell/american_suggestions.txt; any change to the
// engine that alters a suggestion list, or its order, shows here.
//
// To record the answers again after a deliberate change of ranking:
//   dictionary_compiler_tests --gtest_also_run_disabled_tests
//     --gtest_filter='AmericanSuggestions.DISABLED_Record'
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <random>

#include "platform/codepage.h"
#include "platform/env.h"
#include "spell/engine/ansi_text.h"
#include "spell/engine/quill_spell_base.h"
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

// One or two slips in word; rng() is used directly so that the sequence is
// the same with every standard library.
std::string Misspell(std::string word, std::mt19937& rng) {
  const int slips = rng() % 10 < 7 ? 1 : 2;
  for (int s = 0; s < slips && word.size() >= 2; ++s) {
    const size_t at = rng() % word.size();
    const char letter = static_cast<char>('a' + rng() % 26);
    switch (rng() % 4) {
      case 0:
        word.erase(at, 1);
        break;
      case 1:
        word.insert(at, 1, letter);
        break;
      case 2:
        word[at] = letter;
        break;
      default:
        if (at + 1 < word.size()) std::swap(word[at], word[at + 1]);
        break;
    }
  }
  switch (rng() % 20) {
    case 0:
    case 1:
      word[0] = spell::AnsiUpperChar(word[0]);
      break;
    case 2:
      word = spell::AnsiUpperCase(word);
      break;
    default:
      break;
  }
  return word;
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
  std::mt19937 rng(15);
  std::string out;
  size_t count = 0;
  for (size_t i = 0; i < list.words.size(); i += 31) {
    const std::string word = Misspell(list.words[i], rng);
    if (word == list.words[i] || word.size() < 2 || engine->WordAcceptable(word)) continue;
    out += Answer(*engine, word) + "\n";
    ++count;
  }
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
