// Exact lookups through the library interfaces, side by side: the main
// dictionary's WordExists, aspell's aspell_speller_check and hunspell's
// Hunspell_spell, over the same words. Built only where bench/setup.sh has
// installed the two libraries' development files; nothing of the product
// links them. Prints figures only (processor time, median of 3 passes).
//   build/<tree>/bench/speller_api_bench [American.adm] [word list]
#include <aspell.h>
#include <hunspell/hunspell.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "bench/cpu_clock.h"
#include "bench/english_text.h"
#include "spell/engine/main_dictionary.h"
#include "spell/engine/parsing_engine.h"
#include "spell/engine/string_parser.h"

namespace {

using namespace tq;
using Clock = tq::bench::CpuClock;

// Lower-case ASCII words of three letters or more, as the process comparison
// (bench/compare_spellers.py) takes them from the word list.
std::vector<std::string> PlainWords(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> words;
  std::string w;
  while (in >> w)
    if (w.size() > 2 && std::all_of(w.begin(), w.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
      words.push_back(w);
  return words;
}

std::vector<std::string> TextWords(std::string text) {
  spell::TMainParsingEngine engine;
  spell::TStringParser parser(text);
  engine.Initialize(&parser, spell::ctAll);
  std::vector<std::string> words;
  std::string w;
  for (engine.NextWord(w); !w.empty(); engine.NextWord(w)) words.push_back(w);
  return words;
}

struct Figure {
  double perSecond = 0;
  size_t found = 0;
};

// Median rate of three passes over words.
Figure Measure(const std::vector<std::string>& words, const std::function<bool(const std::string&)>& exists) {
  std::vector<double> rates;
  Figure f;
  for (int pass = 0; pass < 3; ++pass) {
    size_t found = 0;
    const auto start = Clock::now();
    for (const std::string& w : words) found += exists(w);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    rates.push_back(static_cast<double>(words.size()) / seconds);
    f.found = found;
  }
  std::sort(rates.begin(), rates.end());
  f.perSecond = rates[1];
  return f;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string admPath = argc > 1 ? argv[1] : TQ_AMERICAN_ADM;
  const std::string listPath = argc > 2 ? argv[2] : TQ_WORD_LIST;

  spell::TMainDictionary ours;
  ours.WriteFilename(admPath);
  ours.WriteLoaded(true);
  if (!ours.ReadLoaded()) {
    std::fprintf(stderr, "usage: speller_api_bench [DICTIONARY.adm [WORD_LIST]]\ncannot open %s\n", admPath.c_str());
    return 2;
  }

  AspellConfig* config = new_aspell_config();
  aspell_config_replace(config, "lang", "en_US");
  AspellCanHaveError* made = new_aspell_speller(config);
  delete_aspell_config(config);
  if (aspell_error_number(made) != 0) {
    std::fprintf(stderr, "aspell: %s\n", aspell_error_message(made));
    delete_aspell_can_have_error(made);
    return 1;
  }
  AspellSpeller* aspell = to_aspell_speller(made);
  Hunhandle* hunspell = Hunspell_create("/usr/share/hunspell/en_US.aff", "/usr/share/hunspell/en_US.dic");

  const std::vector<std::string> plain = PlainWords(listPath);
  if (plain.empty()) {
    std::fprintf(stderr, "no words in %s\n", listPath.c_str());
    return 1;
  }
  // The process comparison's "1 M correct words": the list walked in steps of
  // 7919, so that neighbours have nothing in common.
  std::vector<std::string> scattered;
  for (size_t i = 0; i < 1000000; ++i) scattered.push_back(plain[(i * 7919) % plain.size()]);
  const std::vector<std::string> text = TextWords(tq::bench::EnglishText(4 << 20));

  std::printf("exact lookups through the library interfaces (processor time, median of 3; xN = ours / theirs):\n");
  const std::pair<const char*, const std::vector<std::string>*> sets[] = {
      {"1 M list words, scattered", &scattered}, {"the list in order", &plain}, {"4 MB of English text", &text}};
  for (const auto& [name, words] : sets) {
    const Figure q = Measure(*words, [&](const std::string& w) { return ours.WordExists(w); });
    const Figure a = Measure(*words, [&](const std::string& w) {
      return aspell_speller_check(aspell, w.data(), static_cast<int>(w.size())) == 1;
    });
    const Figure h = Measure(*words, [&](const std::string& w) { return Hunspell_spell(hunspell, w.c_str()) != 0; });
    std::printf(
        "  %-28s %zu words: ours %6.2f M/s, aspell %6.2f M/s (x%.2f), hunspell %6.2f M/s (x%.2f);"
        " found %zu / %zu / %zu\n",
        name, words->size(), q.perSecond / 1e6, a.perSecond / 1e6, a.perSecond / q.perSecond, h.perSecond / 1e6,
        h.perSecond / q.perSecond, q.found, a.found, h.found);
  }
  Hunspell_destroy(hunspell);
  delete_aspell_speller(aspell);
  return 0;
}
