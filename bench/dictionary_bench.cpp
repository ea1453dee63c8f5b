// Speed and memory of the main dictionary (American.adm) and the engine parts
// a check run leans on: load time, exact lookups over a large English text
// and over the dictionary's own words, word cutting, custom dictionary
// lookups, sound codes and phonetic suggestions. Prints figures only.
//   build/<tree>/bench/dictionary_bench [American.adm] [word list]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/cpu_clock.h"
#include "bench/english_text.h"
#include "platform/env.h"
#include "spell/engine/ansi_text.h"
#include "spell/engine/custom_dictionary.h"
#include "spell/engine/main_dictionary.h"
#include "spell/engine/parsing_engine.h"
#include "spell/engine/phonetic_map.h"
#include "spell/engine/string_parser.h"

namespace {

using namespace tq;
using Clock = tq::bench::CpuClock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

// Resident memory of this process in kB (Linux).
long RssKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

using tq::bench::EnglishText;

std::vector<std::string> CutWords(std::string text, double* seconds) {
  spell::TMainParsingEngine engine;
  spell::TStringParser parser(text);
  engine.Initialize(&parser, spell::ctAll);
  std::vector<std::string> words;
  const auto start = Clock::now();
  std::string w;
  for (engine.NextWord(w); !w.empty(); engine.NextWord(w)) words.push_back(w);
  *seconds = Seconds(start);
  return words;
}

// Runs body over all items for at least half a second; answers items/s.
template <class Body>
double Rate(size_t items, Body body) {
  size_t done = 0;
  const auto start = Clock::now();
  do {
    body();
    done += items;
  } while (Seconds(start) < 0.5);
  return static_cast<double>(done) / Seconds(start);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string admPath = argc > 1 ? argv[1] : TQ_AMERICAN_ADM;
  const std::string listPath = argc > 2 ? argv[2] : TQ_WORD_LIST;

  // Load: header, mapping, the two small tables.
  const long rssStart = RssKb();
  const int loads = 50;
  double loadTotal = 0;
  for (int i = 0; i < loads; ++i) {
    spell::TMainDictionary dict;
    const auto start = Clock::now();
    dict.WriteFilename(admPath);
    dict.WriteLoaded(true);
    dict.WordExists("the");
    loadTotal += Seconds(start);
    if (!dict.ReadLoaded()) {
      std::fprintf(stderr, "cannot load %s\n", admPath.c_str());
      return 1;
    }
  }
  spell::TMainDictionary dict;
  dict.WriteFilename(admPath);
  dict.WriteLoaded(true);
  std::printf("%s: %u words, %u nodes, %ju bytes\n", admPath.c_str(), dict.ReadWordCount(), dict.ReadNodeCount(),
              static_cast<uintmax_t>(std::filesystem::file_size(admPath)));
  std::printf("load (select, map, first lookup): %.3f ms\n", loadTotal / loads * 1000);
  const long rssLoaded = RssKb();

  // The dictionary's own words.
  std::string list;
  platform::ReadWholeFile(platform::Env::Default(), listPath, &list);
  std::vector<std::string> own;
  for (size_t start = 0, end; start < list.size(); start = end + 1) {
    end = list.find('\n', start);
    if (end == std::string::npos) end = list.size();
    if (end > start) own.push_back(list.substr(start, end - start));
  }
  volatile size_t sink = 0;
  const long rssList = RssKb();
  for (const std::string& w : own) dict.WordExists(w);
  const long rssTouched = RssKb();
  std::printf("lookups over the dictionary's %zu own words: %.2f M/s\n", own.size(), Rate(own.size(), [&] {
                                                                                       for (const std::string& w : own)
                                                                                         sink =
                                                                                             sink + dict.WordExists(w);
                                                                                     }) / 1e6);

  // A large English text.
  double cutSeconds = 0;
  const std::string text = EnglishText(16u << 20);
  const std::vector<std::string> textWords = CutWords(text, &cutSeconds);
  size_t found = 0, foundFolded = 0;
  for (const std::string& w : textWords) {
    if (dict.WordExists(w)) {
      ++found;
    } else {
      std::string folded = w;
      folded[0] = spell::AnsiLowerChar(folded[0]);
      foundFolded += dict.WordExists(folded);
    }
  }
  std::printf("text: %.1f MB, %zu words; word cutting %.1f MB/s, %.0f words/s\n", text.size() / 1e6, textWords.size(),
              text.size() / 1e6 / cutSeconds, textWords.size() / cutSeconds);
  std::printf("text words found: %.1f%% as written, %.1f%% more with the first letter lower-cased\n",
              100.0 * found / textWords.size(), 100.0 * foundFolded / textWords.size());
  std::printf("lookups over the text: %.2f M/s\n", Rate(textWords.size(), [&] {
                                                     for (const std::string& w : textWords)
                                                       sink = sink + dict.WordExists(w);
                                                   }) / 1e6);

  // A user dictionary of 10,000 words.
  spell::TCustomDictionary custom;
  for (size_t i = 0; i < own.size() && i < 10000; ++i) custom.AddIgnore(own[i * 7 % own.size()]);
  std::printf("custom dictionary (%d words, %d slots): %.2f M lookups/s over the text\n", custom.ReadWordCount(),
              custom.ReadTableSize(), Rate(textWords.size(), [&] {
                                        for (const std::string& w : textWords) sink = sink + custom.IgnoreExists(w);
                                      }) / 1e6);

  // Sound codes and phonetic suggestions.
  spell::TPhoneticsMap map;
  map.WriteLanguage(1033);
  std::printf("sound codes: %.2f M/s\n", Rate(own.size(), [&] {
                                           for (const std::string& w : own) sink = sink + map.GetMapping(w).size();
                                         }) / 1e6);
  const std::vector<std::string> misspelt = {"recieve", "definately", "seperate", "occured",  "untill",
                                             "wierd",   "acommodate", "begining", "tommorow", "fone"};
  size_t suggestions = 0;
  const double perSecond = Rate(misspelt.size(), [&] {
    for (const std::string& w : misspelt) {
      std::vector<std::string> out;
      dict.Suggest(w, map, out);
      suggestions += out.size();
    }
  });
  std::printf("phonetic suggestions: %.3f ms per misspelt word\n", 1000.0 / perSecond);
  std::vector<std::string> out;
  dict.Suggest("recieve", map, out);
  std::printf("  recieve ->");
  for (const std::string& s : out) std::printf(" %s", s.c_str());
  std::printf("\n");

  std::printf("memory (RSS): %ld kB at start, %+ld kB after loading, %+ld kB once every word was looked up\n", rssStart,
              rssLoaded - rssStart, rssTouched - rssList);
  return sink == 42 ? 1 : 0;
}
