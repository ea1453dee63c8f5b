// Suggestion time per misspelt word (mean and 95th percentile) and quality,
// with the specified ranking and with thorough suggestions, over misspellings
// made from the word list, and the throughput of whole check runs over a
// large English text with the default options. Prints figures only.
//   build/<tree>/bench/suggest_bench [--dict American.adm] [--words LIST]
//       [--write-list FILE]   (FILE: the misspellings and their words, for
//                              bench/compare_spellers.py)
//       [--realistic FILE]    (misspellings as people make them: lines of the
//                              misspelling and the word, tab-separated)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/cpu_clock.h"
#include "bench/english_text.h"
#include "platform/env.h"
#include "bench/bench_engine.h"
#include "spell/engine/quill_spell_base.h"
#include "platform/codepage.h"
#include "spell/engine/ansi_text.h"
#include "spell/engine/string_parser.h"
#include "spell/engine/word_frequencies.h"
#include "tools/misspellings.h"
#include "tools/word_list.h"

namespace {

using namespace tq;
using Clock = tq::bench::CpuClock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

using tq::bench::EnglishText;

struct Figures {
  double mean = 0, p95 = 0, perWord = 0, topOne = 0, topFive = 0, any = 0;
};

// Suggestion time and quality over the misspellings: mean and 95th
// percentile per word, suggestions per word, and how often the word a
// misspelling was made from comes first, among the first five and anywhere
// in the list (letter case aside).
Figures Measure(spell::TQuillSpellBase& engine, const std::vector<tools::TMisspelling>& misspelt) {
  std::vector<double> micros;
  size_t total = 0, first = 0, five = 0, any = 0;
  std::vector<std::string> list;
  for (const tools::TMisspelling& m : misspelt) {
    const auto start = Clock::now();
    engine.InternalSuggest(m.typed, -1, list);
    micros.push_back(Seconds(start) * 1e6);
    total += list.size();
    for (size_t i = 0; i < list.size(); ++i)
      if (spell::AnsiSameText(list[i], m.meant)) {
        ++any;
        five += i < 5;
        first += i == 0;
        break;
      }
  }
  std::sort(micros.begin(), micros.end());
  Figures f;
  for (double m : micros) f.mean += m;
  const double n = static_cast<double>(misspelt.size());
  f.mean /= n;
  f.p95 = micros[micros.size() * 95 / 100];
  f.perWord = static_cast<double>(total) / n;
  f.topOne = 100.0 * static_cast<double>(first) / n;
  f.topFive = 100.0 * static_cast<double>(five) / n;
  f.any = 100.0 * static_cast<double>(any) / n;
  return f;
}

void Print(const char* name, const Figures& f) {
  std::printf("  %-9s mean %4.0f us, p95 %5.0f us, %4.1f suggestions per word, first %.1f%%, among the first five %.1f%%,"
              " anywhere %.1f%%\n",
              name, f.mean, f.p95, f.perWord, f.topOne, f.topFive, f.any);
}

}  // namespace

int main(int argc, char** argv) {
  std::string adm = TQ_AMERICAN_ADM, list = TQ_WORD_LIST, listOut, realisticList = TQ_REALISTIC_LIST;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string a = argv[i];
    if (a == "--dict") adm = argv[i + 1];
    if (a == "--words") list = argv[i + 1];
    if (a == "--write-list") listOut = argv[i + 1];
    if (a == "--realistic") realisticList = argv[i + 1];
  }
  if (!platform::Env::Default().FileExists(adm)) {
    std::fprintf(stderr, "suggest_bench: %s is missing\n", adm.c_str());
    return 1;
  }
  spell::TQuillSpellBase engine;
  bench::SetUpBenchEngine(engine, adm);
  if (engine.ReadMainDictionaryCount() == 0) {
    std::fprintf(stderr, "suggest_bench: %s did not open\n", adm.c_str());
    return 1;
  }
  // The misspellings the suggestion tests pin down (tools/misspellings.h).
  std::string wordList;
  if (!platform::ReadWholeFile(platform::Env::Default(), list, &wordList).ok()) {
    std::fprintf(stderr, "suggest_bench: %s is missing\n", list.c_str());
    return 1;
  }
  const std::vector<tools::TMisspelling> misspelt = tools::MakeMisspellings(
      tools::ReadUtf8WordList(wordList).words, [&](const std::string& w) { return engine.WordAcceptable(w); });
  if (!listOut.empty()) {
    std::string out;
    for (const tools::TMisspelling& m : misspelt)
      out += platform::Cp1252ToUtf8(m.typed) + "\t" + platform::Cp1252ToUtf8(m.meant) + "\n";
    platform::WriteWholeFile(platform::Env::Default(), listOut, out);
  }
  // Misspellings as people make them, by sound and by doubled or dropped
  // letters (bench/make_misspellings.py).
  std::vector<tools::TMisspelling> realistic;
  std::string realText;
  if (platform::ReadWholeFile(platform::Env::Default(), realisticList, &realText).ok())
    for (size_t start = 0, end; start < realText.size(); start = end + 1) {
      end = realText.find('\n', start);
      if (end == std::string::npos) end = realText.size();
      const std::string line = realText.substr(start, end - start);
      const size_t tab = line.find('\t');
      tools::TMisspelling m;
      if (tab == std::string::npos || !platform::Utf8ToCp1252(line.substr(0, tab), &m.typed) ||
          !platform::Utf8ToCp1252(line.substr(tab + 1), &m.meant) || engine.WordAcceptable(m.typed))
        continue;
      realistic.push_back(std::move(m));
    }
  const auto setThorough = [&](bool on) {
    spell::TSpellOptions o = engine.Configuration().ReadSpellOptions();
    o.Set(spell::soThoroughSuggestions, on);
    engine.Configuration().WriteSpellOptions(o);
    engine.ResynchOptions(true);
  };
  std::printf("suggestions for %zu misspellings (one or two slips in every 31st word of the word list)\n",
              misspelt.size());
  setThorough(false);
  Print("specified", Measure(engine, misspelt));
  setThorough(true);
  Print("thorough", Measure(engine, misspelt));
  if (!realistic.empty()) {
    std::printf("suggestions for %zu misspellings as people make them (%s)\n", realistic.size(),
                realisticList.c_str());
    setThorough(false);
    Print("specified", Measure(engine, realistic));
    setThorough(true);
    Print("thorough", Measure(engine, realistic));
  }
  const spell::TWordFrequencies frequencies =
      spell::TWordFrequencies::Read(platform::Env::Default(), spell::TWordFrequencies::SideFileOf(adm));
  std::printf("word frequencies: %zu words, %zu bytes in memory\n", frequencies.Count(), frequencies.MemoryBytes());
  setThorough(false);

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
