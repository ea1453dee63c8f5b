// The in-process work of live spelling after one keystroke: the line being
// typed scanned again with the engine's word verdicts (the other visible
// lines reuse their cached results), while a 4,096-character reply is typed
// line by line; and the scan of a full screen of lines on the first paint.
// Prints the median, 99th percentile and maximum per keystroke. Window work
// (painting the control and the markers) is measured under Wine by
// LiveSpellHost --bench.
//   build/<tree>/bench/live_spell_bench [American.adm]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_engine.h"
#include "spell/engine/quill_spell_base.h"
#include "spell/live/core/line_scan.h"

namespace {

using namespace tq;
using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The live component's verdict: the engine's, or a word ignored once.
spell::TLiveWordTest Verdict(spell::TQuillSpellBase& engine, spell::TIgnoreOnceList& ignoreOnce) {
  return [&](const std::string& word, const std::string& previous) {
    return engine.Verdict(word).Type == spell::wcAccepted || ignoreOnce.Accepts(word, previous);
  };
}

void Report(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  const auto at = [&](double q) { return times[std::min(times.size() - 1, static_cast<size_t>(q * times.size()))]; };
  std::printf("%-34s n=%zu  median %.4f ms  p99 %.4f ms  max %.4f ms\n", what, times.size(), at(0.5), at(0.99),
              times.back());
}

}  // namespace

int main(int argc, char** argv) {
  const std::string adm = argc > 1 ? argv[1] : TQ_AMERICAN_ADM;
  if (!std::filesystem::exists(adm)) {
    std::fprintf(stderr, "no main dictionary at %s\n", adm.c_str());
    return 1;
  }
  spell::TQuillSpellBase engine;
  bench::SetUpBenchEngine(engine, adm);
  spell::TMainParsingEngine cutter;
  cutter.InlineIgnore = [&](char c, spell::TControlParser* p, bool& ignore) { engine.RunInlineIgnore(c, p, ignore); };
  cutter.WordIgnore = [&](const std::string& w, spell::TControlParser* p, bool& ignore) {
    engine.RunPreCheckIgnore(w, p, ignore);
  };
  spell::TIgnoreOnceList ignoreOnce;
  const spell::TLiveWordTest verdict = Verdict(engine, ignoreOnce);

  // A reply with a slip every few words, wrapped at 80 columns as a reply box shows it.
  const std::string sentence = "Thank you for your order, we have shipped teh parcel to your adress today. ";
  std::string reply;
  while (reply.size() < 4096) reply += sentence;
  reply.resize(4096);

  std::vector<double> keystrokes;
  keystrokes.reserve(reply.size());
  std::string line;
  for (char c : reply) {
    line += c;
    const auto start = Clock::now();
    const spell::TLineScan scan = spell::ScanLine(line, cutter, verdict, true, static_cast<int32_t>(line.size()));
    keystrokes.push_back(Ms(Clock::now() - start));
    if (scan.errors.size() > 1000) std::puts("");  // keeps the scan from being optimised away
    if (line.size() >= 80 && c == ' ') line.clear();
  }
  Report("keystroke (typed line re-checked)", keystrokes);

  // First paint: every line of a full screen (30 lines of 80 columns) scanned.
  std::vector<std::string> screen;
  for (size_t at = 0; at + 80 <= reply.size() && screen.size() < 30; at += 80) screen.push_back(reply.substr(at, 80));
  std::vector<double> firstPaint;
  for (int round = 0; round < 50; ++round) {
    const auto start = Clock::now();
    size_t errors = 0;
    for (const std::string& l : screen) errors += spell::ScanLine(l, cutter, verdict, true, -1).errors.size();
    firstPaint.push_back(Ms(Clock::now() - start));
    if (errors == 0) std::puts("no misspelt words found");
  }
  Report("first paint (30 lines scanned)", firstPaint);
  return 0;
}
