// Suggestion time per misspelt word (mean and 95th percentile) over slips
// and sound-alike spellings made from American.adm's own words, and the
// throughput of whole check runs over a large English text with the default
// options. Prints figures only.
//   build/<tree>/bench/suggest_bench [American.adm]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "bench/cpu_clock.h"
#include "bench/english_text.h"
#include "platform/env.h"
#include "spell/engine/quill_spell_base.h"
#include "spell/engine/string_parser.h"

namespace {

using namespace tq;
using Clock = tq::bench::CpuClock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

using tq::bench::EnglishText;

// A misspelling of word: one slip (deletion, swap, substitution, insertion)
// or a sound-alike spelling.
std::string Misspell(const std::string& word, std::mt19937& rng) {
  static const std::pair<const char*, const char*> kSoundAlikes[] = {
      {"ph", "f"},  {"ie", "ei"}, {"ei", "ie"}, {"c", "k"},  {"ck", "k"}, {"ss", "s"}, {"tion", "shun"},
      {"ou", "ow"}, {"ee", "ea"}, {"ea", "ee"}, {"y", "ie"}, {"ll", "l"}, {"mm", "m"}, {"ght", "te"}};
  std::string w = word;
  std::uniform_int_distribution<size_t> pos(0, w.size() - 1);
  const char letter = static_cast<char>('a' + rng() % 26);
  switch (rng() % 5) {
    case 0:
      w.erase(pos(rng), 1);
      break;
    case 1: {
      const size_t i = pos(rng) % (w.size() - 1);
      std::swap(w[i], w[i + 1]);
      break;
    }
    case 2:
      w[pos(rng)] = letter;
      break;
    case 3:
      w.insert(pos(rng), 1, letter);
      break;
    default:
      for (const auto& [from, to] : kSoundAlikes)
        if (size_t at = w.find(from, 1); at != std::string::npos) {
          w.replace(at, std::char_traits<char>::length(from), to);
          break;
        }
      break;
  }
  return w;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string adm = argc > 1 ? argv[1] : TQ_AMERICAN_ADM;
  if (!platform::Env::Default().FileExists(adm)) {
    std::fprintf(stderr, "suggest_bench: %s is missing\n", adm.c_str());
    return 1;
  }
  spell::TQuillSpellBase engine;
  engine.BeginLoading();
  engine.WriteLearnSuggestions(false);
  engine.WriteConfigStorage(spell::csNone);
  engine.WriteConfigDictionaryDir(spell::TStringList{std::filesystem::path(adm).parent_path().string()});
  engine.ConfigDefaultMain = spell::TStringList{adm};
  engine.ConfigDefaultActiveCustom = "";
  engine.AllowedCases = spell::cmInitialCaps;
  engine.EndLoading();
  engine.Configuration().EnsureLoaded();
  if (engine.ReadMainDictionaryCount() == 0) {
    std::fprintf(stderr, "suggest_bench: %s did not open\n", adm.c_str());
    return 1;
  }
  spell::TMainDictionary& dict = *engine.ReadMainDictionary(0);

  // Every 97th lower-case word of four letters or more.
  std::vector<std::string> words;
  size_t seen = 0;
  for (char first = 'a'; first <= 'z'; ++first)
    dict.EnumeratePrefixWords(std::string(1, first), [&](std::string_view w) {
      if (w.size() >= 4 && w.find('\'') == std::string_view::npos && seen++ % 97 == 0) words.emplace_back(w);
      return false;
    });
  std::mt19937 rng(7);
  std::vector<std::string> misspelt;
  for (const std::string& w : words) {
    const std::string m = Misspell(w, rng);
    if (m != w && !engine.WordAcceptable(m)) misspelt.push_back(m);
  }

  std::vector<double> micros;
  size_t total = 0;
  std::vector<std::string> list;
  for (size_t i = 0; i < misspelt.size(); ++i) {
    const auto start = Clock::now();
    engine.InternalSuggest(misspelt[i], -1, list);
    micros.push_back(Seconds(start) * 1e6);
    total += list.size();
  }
  std::sort(micros.begin(), micros.end());
  double sum = 0;
  for (double m : micros) sum += m;
  // How often the word the misspelling came from is among the first five.
  size_t inTopFive = 0;
  rng.seed(7);
  for (const std::string& w : words) {
    const std::string m = Misspell(w, rng);
    if (m == w || engine.WordAcceptable(m)) continue;
    engine.InternalSuggest(m, 5, list);
    if (std::find(list.begin(), list.end(), w) != list.end()) ++inTopFive;
  }
  std::printf("suggestions: %zu misspellings from %zu dictionary words\n", misspelt.size(), words.size());
  std::printf("  time per word: mean %.0f us, p50 %.0f us, p95 %.0f us, max %.0f us\n", sum / micros.size(),
              micros[micros.size() / 2], micros[micros.size() * 95 / 100], micros.back());
  std::printf("  suggestions per word: %.1f; source word among the first five: %.1f%%\n",
              static_cast<double>(total) / micros.size(), 100.0 * inTopFive / misspelt.size());

  // Whole runs with the default options, every stop answered with Ignore.
  const std::string text = EnglishText(4 << 20);
  int stops = 0;
  engine.OnPromptWord = [&](spell::TQuillSpellBase*, const std::string&, bool) { ++stops; };
  engine.PumpMessage = [&] {
    if (engine.ReadRepeatedWord())
      engine.Check_RepeatIgnore();
    else
      engine.Check_Ignore();
  };
  engine.ResynchOptions(true);
  std::string copy = text;
  spell::TStringParser parser(copy);
  const auto start = Clock::now();
  engine.CheckParser(&parser, spell::ctAll);
  const double seconds = Seconds(start);
  std::printf("check run: %.1f MB of English, %d words, %d stops, %.2f s, %.0f words/s\n", text.size() / 1e6,
              engine.ReadWordCount(), stops, seconds, engine.ReadWordCount() / seconds);
  return 0;
}
